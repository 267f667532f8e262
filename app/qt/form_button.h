// A push button of the form. The form has no default button, so Enter in a
// field presses nothing; Enter on a button that has the focus presses that
// button, as Space does.
#pragma once

#include <QPushButton>

class FormButton : public QPushButton {
  Q_OBJECT

 public:
  FormButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
