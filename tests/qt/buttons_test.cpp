#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <optional>

#include "form/about.h"
#include "window_fixture.h"

namespace {

// A shell's job ends at the field: these check that a click reaches the
// operation and that its exact text arrives in the result field.
using Buttons = WindowTest;

TEST_F(Buttons, AboutShowsItsBoxAndLeavesTheFieldsAlone) {
  TypeInto(IDC_BINARY, QStringLiteral("101"));
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  ClickOn(IDC_ABOUT);
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, QStringLiteral("About Ezo's Numbrel"));
  EXPECT_EQ(boxes[0].text, QString::fromLatin1(kAboutText));
  EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_EQ(Text(IDC_BINARY), "101");
  EXPECT_EQ(Text(IDC_DECIMAL), "5");
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "22");
  EXPECT_EQ(Text(IDC_RESULT), "");
}

TEST_F(Buttons, DivideShowsTheRepeatingBlockBetweenNoBreakSpaces) {
  SKIP_UNLESS_LANDED(IDC_DIVIDE, {{IDC_FIRST_NUMBER, "22"}, {IDC_SECOND_NUMBER, "7"}});
  // The pointer while the result is written, and after.
  std::optional<Qt::CursorShape> pointerWhileWriting;
  QObject::connect(ControlAs<QPlainTextEdit>(IDC_RESULT), &QPlainTextEdit::textChanged, [&] {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (cursor != nullptr) pointerWhileWriting = cursor->shape();
  });
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  Press(Qt::Key_Tab);
  QTest::keyClicks(FocusWidget(), QStringLiteral("7"));
  ClickOn(IDC_DIVIDE);
  EXPECT_EQ(ControlAs<QPlainTextEdit>(IDC_RESULT)->toPlainText().size(), 25);
  EXPECT_EQ(Text(IDC_RESULT), "3.\xA0[\xA0" "142857 ] - Repeating");
  EXPECT_EQ(pointerWhileWriting, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "22");
  EXPECT_EQ(Text(IDC_SECOND_NUMBER), "7");
}

TEST_F(Buttons, GcfLcmRefusesZeroInABoxCaptionedWithTheProgramsName) {
  SKIP_UNLESS_LANDED(IDC_GCF_LCM, {});
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("12"));
  ClickOn(IDC_GCF_LCM);
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, QCoreApplication::applicationName());
  EXPECT_EQ(boxes[0].text, QStringLiteral("\n\nInvalid Input, Cannot input Zero\n\n"));
  EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_EQ(Text(IDC_RESULT),
            "\r\nThe Greatest Common Factor finder V2.00\r\n"
            " and Least Common Multiple finder V1.00,\r\n");
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Buttons, GcfLcmShowsBothNumbers) {
  SKIP_UNLESS_LANDED(IDC_GCF_LCM, {{IDC_FIRST_NUMBER, "12"}, {IDC_SECOND_NUMBER, "18"}});
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("12"));
  TypeInto(IDC_SECOND_NUMBER, QStringLiteral("18"));
  ClickOn(IDC_GCF_LCM);
  EXPECT_EQ(Text(IDC_RESULT), "The GCF of 12, and 18 is: 6\r\n\r\nThe LCM of 12, and 18 is: 36");
}

TEST_F(Buttons, PrimeFactorsAndAllFactorsFactorTheSingleNumber) {
  SKIP_UNLESS_LANDED(IDC_PRIME_FACTORS, {{IDC_SINGLE_NUMBER, "360"}});
  SKIP_UNLESS_LANDED(IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "12"}});
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("360"));
  ClickOn(IDC_PRIME_FACTORS);
  EXPECT_EQ(Text(IDC_RESULT), "The prime factorization of 360 is:\r\n\r\n 2^3 * 3^2 * 5 ");
  ClickOn(IDC_SINGLE_NUMBER);
  Press(Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(FocusWidget(), QStringLiteral("12"));
  ClickOn(IDC_ALL_FACTORS);
  EXPECT_EQ(Text(IDC_RESULT), "The factors of 12 are:\r\n\r\n12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n");
}

TEST_F(Buttons, BitsWritesTwoToThePowerInFull) {
  SKIP_UNLESS_LANDED(IDC_BITS, {{IDC_SINGLE_NUMBER, "10"}});
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("10"));
  ClickOn(IDC_BITS);
  EXPECT_EQ(Text(IDC_RESULT),
            "Ezo's Bit combination finder VBETA, 1999\r\n\r\nThis program calculates the number "
            "of combinations for a given number of binary digits.\r\n\r\n\r\nThe result of 10 "
            "Bits is:\r\n\r\n1,024");
  EXPECT_EQ(ControlAs<QPlainTextEdit>(IDC_RESULT)->toPlainText().section(u'\n', -1),
            QStringLiteral("1,024"));
}

}  // namespace
