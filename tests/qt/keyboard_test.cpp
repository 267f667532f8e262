#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "window_fixture.h"

namespace {

using Keyboard = WindowTest;

TEST_F(Keyboard, TabVisitsFieldsAndButtonsInTheFormsOrder) {
  const ControlId order[] = {IDC_DECIMAL,       IDC_FIRST_NUMBER, IDC_SECOND_NUMBER,
                             IDC_DIVIDE,        IDC_GCF_LCM,      IDC_SINGLE_NUMBER,
                             IDC_PRIME_FACTORS, IDC_ALL_FACTORS,  IDC_BITS,
                             IDC_RESULT,        IDC_ABOUT,        IDC_BINARY};
  ASSERT_EQ(FocusedId(), IDC_BINARY);
  for (const ControlId id : order) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), id);
  }
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(FocusedId(), IDC_ABOUT);
}

TEST_F(Keyboard, EnterChangesNothingAndEscapeClosesTheWindow) {
  QSignalSpy finished(&Window(), &QDialog::finished);
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  ClickOn(IDC_DIVIDE);  // a button that had the focus does not become the default
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("12"));
  Press(Qt::Key_Return);
  const std::string result = Text(IDC_RESULT);
  ClickOn(IDC_RESULT);
  ASSERT_EQ(FocusedId(), IDC_RESULT);
  Press(Qt::Key_Return);
  EXPECT_EQ(Text(IDC_RESULT), result);
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "22");
  EXPECT_EQ(Text(IDC_SINGLE_NUMBER), "12");
  Press(Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(Window().isVisible());
}

using Typing = WindowTest;

TEST_F(Typing, BinaryShowsItsDecimalValueAfterEveryChange) {
  ClickOn(IDC_BINARY);
  const std::pair<Qt::Key, const char*> steps[] = {
      {Qt::Key_1, "1"}, {Qt::Key_0, "2"}, {Qt::Key_1, "5"}, {Qt::Key_Backspace, "2"},
      {Qt::Key_Backspace, "1"}, {Qt::Key_Backspace, "0"},
  };
  for (const auto& [key, decimal] : steps) {
    Press(key);
    EXPECT_EQ(Text(IDC_DECIMAL), decimal);
  }
  EXPECT_EQ(Text(IDC_BINARY), "");
}

TEST_F(Typing, TakesBinaryDigitsInBinaryAndDigitsElsewhereFromKeysAndAnInputMethod) {
  ClickOn(IDC_BINARY);
  for (const QString& commit : {QStringLiteral("1a"), QStringLiteral("12"), QStringLiteral("11")}) {
    QInputMethodEvent event(QString(), {});
    event.setCommitString(commit);
    QApplication::sendEvent(FocusWidget(), &event);
  }
  EXPECT_EQ(Text(IDC_BINARY), "11");
  EXPECT_EQ(Text(IDC_DECIMAL), "3");
  TypeInto(IDC_BINARY, QStringLiteral("1a0-b 2391.x"));
  EXPECT_EQ(Text(IDC_BINARY), "101");
  EXPECT_EQ(Text(IDC_DECIMAL), "5");
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("-42e3"));
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "423");
}

TEST_F(Typing, TakesPastedTextAsItIs) {
  ClickOn(IDC_BINARY);
  Paste(QStringLiteral("1 "));
  EXPECT_EQ(Text(IDC_BINARY), "1 ");
  EXPECT_EQ(Text(IDC_DECIMAL), "2");
  const QString beyondTyping = QString(33, u'1') + u'2';
  Paste(beyondTyping);
  EXPECT_EQ(ControlAs<QLineEdit>(IDC_BINARY)->text(), QStringLiteral("1 ") + beyondTyping);
  ClickOn(IDC_FIRST_NUMBER);
  Paste(QStringLiteral("-7"));
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "-7");
  // Pasted text crosses into the form's code page: the euro sign has a byte
  // there, the check mark has none.
  ClickOn(IDC_SINGLE_NUMBER);
  Paste(QStringLiteral("1\u20AC\u2713"));
  EXPECT_EQ(Text(IDC_SINGLE_NUMBER), "1\x80?");
}

TEST_F(Typing, StopsAtThirtyTwoBinaryDigitsAndWhenANumberFieldIsFull) {
  TypeInto(IDC_BINARY, QString(40, u'1'));
  EXPECT_EQ(Text(IDC_BINARY), std::string(32, '1'));
  EXPECT_EQ(Text(IDC_DECIMAL), "4294967295");
  TypeInto(IDC_BINARY, QStringLiteral("10"));
  EXPECT_EQ(Text(IDC_BINARY), "10");
  for (const ControlId id : {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER}) {
    TypeInto(id, QString(60, u'8'));
    const auto* field = ControlAs<QLineEdit>(id);
    EXPECT_GT(field->text().size(), 5) << id;
    EXPECT_LT(field->text().size(), 60) << id;
    // What was typed is all in view: it is narrower than the field.
    EXPECT_LT(field->fontMetrics().horizontalAdvance(field->text()), field->width() - 4) << id;
    // Typing over a selection still works in a full field.
    TypeInto(id, QStringLiteral("5"));
    EXPECT_EQ(field->text(), QStringLiteral("5")) << id;
  }
}

TEST_F(Typing, ReadOnlyDecimalRefusesTypingButCanBeCopied) {
  TypeInto(IDC_BINARY, QStringLiteral("101010"));
  TypeInto(IDC_DECIMAL, QStringLiteral("7"));
  Press(Qt::Key_Backspace);
  EXPECT_EQ(Text(IDC_DECIMAL), "42");
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
}

}  // namespace
