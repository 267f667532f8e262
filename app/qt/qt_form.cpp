#include "app/qt/qt_form.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "app/qt/numbers_window.h"
#include "app/qt/result_field.h"
#include "app/qt/text_edge.h"

std::string QtForm::FieldText(ControlId id) const {
  QWidget* control = window_.Control(id);
  if (const auto* line = qobject_cast<QLineEdit*>(control)) return FromQString(line->text());
  if (const auto* result = qobject_cast<ResultField*>(control)) {
    return FromDocumentText(result->RawText());
  }
  if (const auto* button = qobject_cast<QAbstractButton*>(control)) {
    return FromQString(button->text());
  }
  return {};
}

void QtForm::SetFieldText(ControlId id, std::string_view text) {
  QWidget* control = window_.Control(id);
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    line->setText(ToQString(text));
    line->setCursorPosition(0);
  } else if (auto* result = qobject_cast<ResultField*>(control)) {
    result->ShowText(ToDocumentText(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(ToQString(text));
  }
}

void QtForm::MessageBox(std::string_view text, std::optional<std::string_view> caption) {
  const QString title = caption ? ToQString(*caption) : QCoreApplication::applicationName();
  QMessageBox box(QMessageBox::NoIcon, title, ToQString(text), QMessageBox::Ok, &window_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtForm::ShowBusyPointer(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}
