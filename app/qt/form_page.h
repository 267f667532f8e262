// The form's fields, labels and buttons, each placed in dialog units of the
// page's font. The page is never smaller than the form; whatever width and
// height it has beyond that go to the result field alone, so every other
// control keeps its place and size.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "app/qt/dialog_units.h"
#include "commands/command_table.h"

class FormPage : public QWidget {
  Q_OBJECT

 public:
  using Notify = std::function<void(ControlId, Notification)>;

  // font: the form's font, which the units are measured in; notify hears each
  // field's text change and each button's click.
  FormPage(QWidget* parent, const QFont& font, Notify notify);

  // The field or button with this id; nullptr for any other id.
  [[nodiscard]] QWidget* Control(ControlId id) const;
  [[nodiscard]] BaseUnits Units() const { return units_; }
  // The form's own size, in pixels of its font.
  [[nodiscard]] QSize FormSize() const { return minimumSize(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* MakeControl(const ControlPlace& place);

  BaseUnits units_;
  Notify notify_;
  std::map<ControlId, QWidget*> controls_;
};
