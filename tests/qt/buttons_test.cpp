#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <optional>

#include "form/program.h"
#include "ops/all_factors.h"
#include "ops/bits.h"
#include "ops/divide.h"
#include "ops/gcf_lcm.h"
#include "ops/prime_factors.h"
#include "window_fixture.h"

namespace {

// A shell's job ends at the field: a click reaches the operation and its
// exact text arrives in the result field.
using Buttons = WindowTest;

TEST_F(Buttons, AboutShowsItsBoxOnAClickEnterOrSpaceAndLeavesTheFieldsAlone) {
  TypeInto(IDC_BINARY, QStringLiteral("101"));
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  ClickOn(IDC_ABOUT);
  Control(IDC_ABOUT)->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Return);
  Press(Qt::Key_Space);
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const SeenBox& box : boxes) {
    EXPECT_EQ(box.caption, QStringLiteral("About Ezo's Numbrel"));
    EXPECT_EQ(box.text, QString::fromLatin1(kAboutText));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(box.format, Qt::PlainText);
  }
  EXPECT_EQ(Text(IDC_BINARY), "101");
  EXPECT_EQ(Text(IDC_DECIMAL), "5");
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "22");
  EXPECT_EQ(Text(IDC_RESULT), "");
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(Buttons, GcfLcmRefusesZeroInABoxCaptionedWithTheProgramsName) {
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("12"));
  ClickOn(IDC_GCF_LCM);
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, QCoreApplication::applicationName());
  EXPECT_EQ(boxes[0].text, QStringLiteral("\n\nInvalid Input, Cannot input Zero\n\n"));
  EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(boxes[0].buttons, 1);
  EXPECT_EQ(boxes[0].format, Qt::PlainText);
  EXPECT_EQ(Text(IDC_RESULT),
            "\r\nThe Greatest Common Factor finder V2.00\r\n"
            " and Least Common Multiple finder V1.00,\r\n");
}

TEST_F(Buttons, EachOperationWritesItsTextAndOnlyDivideShowsTheBusyPointer) {
  std::optional<Qt::CursorShape> pointerWhileWriting;
  QObject::connect(ControlAs<QPlainTextEdit>(IDC_RESULT), &QPlainTextEdit::textChanged, [&] {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (cursor != nullptr) pointerWhileWriting = cursor->shape();
  });
  const struct {
    ControlId field;
    QString typed;
    ControlId button;
    std::string text;
    std::optional<Qt::CursorShape> pointer;
  } presses[] = {
      {IDC_SECOND_NUMBER, "7", IDC_DIVIDE, DivideWithRepeat(12, 7), Qt::WaitCursor},
      {IDC_SECOND_NUMBER, "18", IDC_GCF_LCM, WriteGcfLcm(12, 18), std::nullopt},
      {IDC_SINGLE_NUMBER, "360", IDC_PRIME_FACTORS, WritePrimeFactorization(360), std::nullopt},
      {IDC_SINGLE_NUMBER, "12", IDC_ALL_FACTORS, WriteAllFactors(12), std::nullopt},
      {IDC_SINGLE_NUMBER, "10", IDC_BITS, FindBitCombinations(10), std::nullopt},
  };
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("12"));
  for (const auto& press : presses) {
    pointerWhileWriting.reset();
    TypeInto(press.field, press.typed);
    ClickOn(press.button);
    EXPECT_EQ(Text(IDC_RESULT), press.text);
    EXPECT_EQ(pointerWhileWriting, press.pointer) << press.text;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

}  // namespace
