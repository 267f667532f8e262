// A one-line field of the form: centred text, typing by the form's typing rule
// (form/typing_rule.h), and typing also stops when the field is full, so its
// text never scrolls sideways. Pasted or dropped text goes in unfiltered: the
// form's field reading decides what it means.
#pragma once

#include <QLineEdit>

#include "form/form_layout.h"

class DigitField : public QLineEdit {
  Q_OBJECT

 public:
  // place says what can be typed, and stays.
  DigitField(QWidget* parent, const ControlPlace& place);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Whether typing these characters over the selection leaves a text that fits.
  [[nodiscard]] bool AcceptsTyped(const QString& typed) const;

  const ControlPlace& place_;
};
