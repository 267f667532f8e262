// The calculator's one window: the form (form_page.h) in a scroll area, each
// notification handed to the command table. The window opens at the form's
// size and can grow, the result field taking all it gains; where the screen
// is smaller than the form, the window is as large as the screen and scrolls,
// and a new result is scrolled into view. Closing it (close box or Escape)
// ends its modal run.
#pragma once

#include <QDialog>

#include "app/qt/form_page.h"
#include "app/qt/qt_form.h"
#include "commands/command_call.h"

class QScrollArea;

class NumbersWindow : public QDialog {
  Q_OBJECT

 public:
  NumbersWindow();

  // The field or button with this id; nullptr for any other id.
  [[nodiscard]] QWidget* Control(ControlId id) const { return page_->Control(id); }
  [[nodiscard]] BaseUnits Units() const { return page_->Units(); }
  // The form the handlers reach the window through.
  QtForm& WindowForm() { return form_; }
  // The scroll area the form lies in.
  [[nodiscard]] QScrollArea& Scroll() const { return *scroll_; }

  // The call's texts put into its fields as a paste puts them, then its button
  // clicked; Binary's command runs as its text changes.
  void Press(const CommandCall& call);

 private:
  void Notify(ControlId id, Notification notification);
  // Scrolls just enough to show the top of the result field, as much of it as
  // the window can hold; the focus stays where it is.
  void ShowResultTop();

  QtForm form_;
  CNumbersDlg dialog_;
  QScrollArea* scroll_;
  FormPage* page_;
};

// "Bookman Old Style", 8 points, and where that face is missing the URW
// Bookman that fontconfig puts in its place. Drawn unshaped, as the form's
// font always has been: no kerning, and a long result lays out in half the time.
QFont FormFont();
