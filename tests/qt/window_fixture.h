// A fresh calculator window for each test, shown on the offscreen platform and
// driven through its widgets with mouse and keyboard. Every message box the
// window opens is answered with its OK button and kept for the test to check;
// a box the test does not take fails it.
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/qt/numbers_window.h"

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  qsizetype buttons;
  Qt::TextFormat format;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  NumbersWindow& Window() { return *window_; }
  QWidget* Control(ControlId id) { return window_->Control(id); }
  template <class Widget>
  Widget* ControlAs(ControlId id) {
    return qobject_cast<Widget*>(window_->Control(id));
  }

  // A left click in the middle of the control.
  void ClickOn(ControlId id);
  // Clicks into a field, selects all it holds and types text over it.
  void TypeInto(ControlId id, const QString& text);
  // A key pressed and released where the keyboard focus is.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Paste(const QString& clipboardText);
  // The widget with the keyboard focus, once the window is active.
  QWidget* FocusWidget();
  ControlId FocusedId();

  // The field's bytes, as the handlers read them.
  std::string Text(ControlId id) { return window_->WindowForm().FieldText(id); }

  // The message boxes seen since the last call, oldest first.
  std::vector<SeenBox> TakeBoxes() { return std::exchange(boxes_, {}); }

 private:
  void AnswerModalBox();

  std::unique_ptr<NumbersWindow> window_;
  QTimer watcher_;
  std::vector<SeenBox> boxes_;
};
