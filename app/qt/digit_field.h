// A one-line field of the form: centred text, only the characters it was given
// can be typed, and typing stops at its most characters or when the field is
// full, so its text never scrolls sideways. Pasted or dropped text goes in
// unfiltered: the form's field reading decides what it means.
#pragma once

#include <QLineEdit>

class DigitField : public QLineEdit {
  Q_OBJECT

 public:
  // typed: the characters typing accepts ("" for none); maxTyped: the most
  // characters typing puts in, 0 for as many as fit.
  DigitField(QWidget* parent, const QString& typed, int maxTyped);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Whether typing these characters over the selection leaves a text that fits.
  bool AcceptsTyped(const QString& typed) const;

  QString typeable_;
  int maxTyped_;
};
