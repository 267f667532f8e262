#include "app/qt/form_button.h"

#include <QKeyEvent>

FormButton::FormButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  // An auto-default button in a dialog becomes the default when it first has
  // the focus, and Enter in any field would then press it.
  setAutoDefault(false);
  setDefault(false);
}

void FormButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}
