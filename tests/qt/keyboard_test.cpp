#include <QSignalSpy>

#include "form/about.h"
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

TEST_F(Keyboard, EscapeClosesTheWindow) {
  QSignalSpy finished(&Window(), &QDialog::finished);
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  Press(Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(Keyboard, TheCloseBoxClosesTheWindow) {
  QSignalSpy finished(&Window(), &QDialog::finished);
  EXPECT_TRUE(Window().close());
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(Keyboard, EnterInAFieldNeitherClosesTheWindowNorPressesAButton) {
  QSignalSpy finished(&Window(), &QDialog::finished);
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("22"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  ClickOn(IDC_DIVIDE);  // a button that had the focus does not become the default
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("12"));
  Press(Qt::Key_Return);
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "22");
  EXPECT_EQ(Text(IDC_SINGLE_NUMBER), "12");
  EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(Keyboard, EnterOrSpaceOnAFocusedButtonPressesIt) {
  TypeInto(IDC_BINARY, QStringLiteral("1"));
  Control(IDC_ABOUT)->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Return);
  Press(Qt::Key_Space);
  const std::vector<SeenBox> boxes = TakeBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  for (const SeenBox& box : boxes) EXPECT_EQ(box.caption, QString::fromLatin1(kAboutCaption));
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(Keyboard, EnterInTheResultFieldChangesNothing) {
  Window().WindowForm().SetFieldText(IDC_RESULT, "first\r\nsecond");
  ClickOn(IDC_RESULT);
  ASSERT_EQ(FocusedId(), IDC_RESULT);
  Press(Qt::Key_Return);
  EXPECT_EQ(Text(IDC_RESULT), "first\r\nsecond");
  EXPECT_TRUE(Window().isVisible());
}

}  // namespace
