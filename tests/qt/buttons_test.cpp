#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include "form/program.h"
#include "ops/divide.h"
#include "window_fixture.h"

namespace {

using Buttons = WindowTest;

TEST_F(Buttons, ShowTheirMessageBoxesOnAClickOrEnter) {
  ClickOn(IDC_ABOUT);
  Press(Qt::Key_Return);
  ClickOn(IDC_GCF_LCM);  // a zero refused, in a box captioned with the program's name
  const QString about = "About Ezo's Numbrel: " + QString::fromLatin1(kAboutText);
  EXPECT_EQ(TakeBoxes(), QStringList({about, about,
                                      QCoreApplication::applicationName() +
                                          ": \n\nInvalid Input, Cannot input Zero\n\n"}));
}

// A click reaches its command, whose text arrives in the result field with
// the busy pointer shown while it is written and gone after.
TEST_F(Buttons, DivideShowsTheBusyPointerWhileItWrites) {
  Qt::CursorShape pointer = Qt::ArrowCursor;
  const auto* result = qobject_cast<QPlainTextEdit*>(Control(IDC_RESULT));
  QObject::connect(result, &QPlainTextEdit::textChanged, [&] {
    if (const QCursor* cursor = QGuiApplication::overrideCursor()) pointer = cursor->shape();
  });
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("12"));
  TypeInto(IDC_SECOND_NUMBER, QStringLiteral("7"));
  ClickOn(IDC_DIVIDE);
  EXPECT_EQ(Text(IDC_RESULT), DivideWithRepeat(12, 7));
  EXPECT_EQ(pointer, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
