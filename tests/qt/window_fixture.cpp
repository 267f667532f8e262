#include "window_fixture.h"

#include <QApplication>
#include <QAbstractButton>
#include <QClipboard>
#include <QTest>

void WindowTest::SetUp() {
  window_ = std::make_unique<NumbersWindow>();
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QObject::connect(&watcher_, &QTimer::timeout, [this] { AnswerModalBox(); });
  watcher_.start(5);
}

void WindowTest::TearDown() {
  watcher_.stop();
  for (const SeenBox& box : boxes_) {
    ADD_FAILURE() << "unexpected message box \"" << box.caption.toStdString() << "\": "
                  << box.text.toStdString();
  }
  window_.reset();
}

void WindowTest::AnswerModalBox() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr) {
    // Not a message box: kept so the test fails, and closed so it ends.
    boxes_.push_back({modal->windowTitle(), QStringLiteral("(a modal window)"),
                      QMessageBox::NoIcon, 0, Qt::AutoText});
    modal->close();
    return;
  }
  boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->buttons().size(),
                    box->textFormat()});
  if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
    ok->click();
  } else {
    box->reject();
  }
}

void WindowTest::ClickOn(ControlId id) { QTest::mouseClick(Control(id), Qt::LeftButton); }

void WindowTest::TypeInto(ControlId id, const QString& text) {
  ClickOn(id);
  Press(Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(FocusWidget(), text);
}

void WindowTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(FocusWidget(), key, modifiers);
}

QWidget* WindowTest::FocusWidget() {
  // The offscreen platform has no window manager to give the focus back when
  // a message box closes: the test does what the manager would.
  if (!window_->isActiveWindow()) window_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  return QApplication::focusWidget();
}

void WindowTest::Paste(const QString& clipboardText) {
  QGuiApplication::clipboard()->setText(clipboardText);
  Press(Qt::Key_V, Qt::ControlModifier);
}

ControlId WindowTest::FocusedId() {
  for (const ControlPlace& place : kControls) {
    if (Control(place.id) == FocusWidget()) return place.id;
  }
  return -1;
}
