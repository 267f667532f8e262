// A one-line field of the form: centred text, only the digits 0 to 9 can be
// typed, and typing stops when the field is full, so its text never scrolls
// sideways. Pasted or dropped text goes in unfiltered: the form's field
// reading decides what it means.
#pragma once

#include <QLineEdit>

class DigitField : public QLineEdit {
  Q_OBJECT

 public:
  explicit DigitField(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Whether typing these characters over the selection leaves digits that fit.
  bool AcceptsTyped(const QString& typed) const;
};
