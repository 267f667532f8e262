#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "window_fixture.h"

namespace {

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

TEST_F(Typing, RefusesEverythingButDigits) {
  TypeInto(IDC_BINARY, QStringLiteral("1a0-b 1.x"));
  EXPECT_EQ(Text(IDC_BINARY), "101");
  EXPECT_EQ(Text(IDC_DECIMAL), "5");
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("-42e3"));
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "423");
}

TEST_F(Typing, RefusesLettersFromAnInputMethodToo) {
  ClickOn(IDC_BINARY);
  QInputMethodEvent letters(QString(), {});
  letters.setCommitString(QStringLiteral("1a"));
  QApplication::sendEvent(FocusWidget(), &letters);
  QInputMethodEvent digits(QString(), {});
  digits.setCommitString(QStringLiteral("11"));
  QApplication::sendEvent(FocusWidget(), &digits);
  EXPECT_EQ(Text(IDC_BINARY), "11");
  EXPECT_EQ(Text(IDC_DECIMAL), "3");
}

TEST_F(Typing, TakesPastedTextAsItIs) {
  ClickOn(IDC_BINARY);
  Paste(QStringLiteral("1 "));
  EXPECT_EQ(Text(IDC_BINARY), "1 ");
  EXPECT_EQ(Text(IDC_DECIMAL), "2");

  ClickOn(IDC_FIRST_NUMBER);
  Paste(QStringLiteral("-7"));
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "-7");

  // Pasted text crosses into the form's code page: the euro sign has a byte
  // there, the check mark has none.
  ClickOn(IDC_SINGLE_NUMBER);
  Paste(QStringLiteral("1\u20AC\u2713"));
  EXPECT_EQ(Text(IDC_SINGLE_NUMBER), "1\x80?");
}

TEST_F(Typing, StopsWhenTheFieldIsFull) {
  const QString digits(60, u'8');
  for (const ControlId id : {IDC_BINARY, IDC_FIRST_NUMBER, IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER}) {
    TypeInto(id, digits);
    const auto* field = ControlAs<QLineEdit>(id);
    const qsizetype typed = field->text().size();
    EXPECT_GT(typed, 5) << id;
    EXPECT_LT(typed, 60) << id;
    // What was typed is all in view: it is narrower than the field.
    EXPECT_LT(field->fontMetrics().horizontalAdvance(field->text()), field->width() - 4) << id;
    // Typing over a selection still works in a full field.
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_5);
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
