// The calculator's one window: the form's fields, labels and buttons placed in
// dialog units of its font, each notification handed to the command table.
// Closing it (close box or Escape) ends its modal run.
#pragma once

#include <QDialog>
#include <map>

#include "app/qt/dialog_units.h"
#include "app/qt/qt_form.h"
#include "commands/command_table.h"

class NumbersWindow : public QDialog {
  Q_OBJECT

 public:
  NumbersWindow();

  // The field or button with this id; nullptr for any other id.
  QWidget* Control(ControlId id) const;
  BaseUnits Units() const { return units_; }
  // The form the handlers reach the window through.
  QtForm& WindowForm() { return form_; }

 private:
  void Notify(ControlId id, Notification notification);

  QtForm form_;
  CNumbersDlg dialog_;
  BaseUnits units_;
  std::map<ControlId, QWidget*> controls_;
};

// "Bookman Old Style", 8 points, and where that face is missing the URW
// Bookman that fontconfig puts in its place. Drawn unshaped, as the form's
// font always has been: no kerning, and a long result lays out in half the time.
QFont FormFont();
