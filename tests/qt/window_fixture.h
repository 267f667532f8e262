// A fresh calculator window for each test, shown on the offscreen platform and
// driven through its widgets with mouse and keyboard. Every message box the
// window opens is closed and kept for the test to take; a box the test does
// not take fails it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/qt/numbers_window.h"

// Names each case of a parameterised test by its `name`: letters and digits.
inline constexpr auto kByName = [](const auto& info) { return std::string(info.param.name); };

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<NumbersWindow>();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    // A modal box runs its own event loop: the timer closes it from there.
    QObject::connect(&watcher_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        boxes_ << modal->windowTitle() + ": " + (box ? box->text() : "(not a message box)");
        modal->close();
      }
    });
    watcher_.start(5);
  }
  void TearDown() override {
    watcher_.stop();
    for (const QString& box : boxes_) ADD_FAILURE() << "unexpected box " << box.toStdString();
  }

  NumbersWindow& Window() { return *window_; }
  QWidget* Control(ControlId id) { return window_->Control(id); }
  // The field's bytes, as the handlers read them.
  std::string Text(ControlId id) { return window_->WindowForm().FieldText(id); }
  // The message boxes seen since the last call, oldest first, each as "caption: text".
  QStringList TakeBoxes() { return std::exchange(boxes_, {}); }

  void ClickOn(ControlId id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
  // A key pressed and released where the keyboard focus is.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(FocusWidget(), key, modifiers);
  }
  // Clicks into a field, selects all it holds and types text over it.
  void TypeInto(ControlId id, const QString& text) {
    ClickOn(id);
    Press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(FocusWidget(), text);
  }

  // The offscreen platform has no window manager to give the focus back when
  // a message box closes: the test does what the manager would.
  QWidget* FocusWidget() {
    if (!window_->isActiveWindow()) window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return QApplication::focusWidget();
  }

 private:
  std::unique_ptr<NumbersWindow> window_;
  QTimer watcher_;
  QStringList boxes_;
};

template <class Case>
class WindowCaseTest : public WindowTest, public ::testing::WithParamInterface<Case> {};
