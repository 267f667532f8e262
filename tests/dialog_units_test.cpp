// Dialog units to pixels, the arithmetic every shell lays the form out by,
// with a measuring of texts made up for the test.
#include "form/dialog_units.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(DialogUnits, RoundHalfAwayFromZero) {
  EXPECT_EQ(MulDivRounded(5, 3, 4), 4);    // 3.75
  EXPECT_EQ(MulDivRounded(2, 3, 4), 2);    // 1.5
  EXPECT_EQ(MulDivRounded(-2, 3, 4), -2);  // -1.5
  EXPECT_EQ(MulDivRounded(1, 1, 4), 0);    // 0.25
  EXPECT_EQ(MulDivRounded(2147483647, 4, 4), 2147483647);
}

TEST(DialogUnits, TakeTheAverageLetterWidthRoundedAndTheLineHeight) {
  EXPECT_EQ(BaseUnitsOf(52 * 7, 16), (BaseUnits{7, 16}));
  EXPECT_EQ(BaseUnitsOf(52 * 6 + 26, 16), (BaseUnits{7, 16}));  // 6.5 rounds up
  EXPECT_EQ(BaseUnitsOf(52 * 6 + 25, 13), (BaseUnits{6, 13}));
}

// Corners are mapped, so boxes that touch in dialog units touch in pixels:
// 1.5 rounds to 2 and 3 stays 3, so the first box is 1 pixel across, not 2.
TEST(DialogUnits, MapCornersSoTouchingBoxesTouch) {
  EXPECT_EQ(MapDialogRect({1, 1, 1, 1}, {6, 12}), (PixelRect{2, 2, 1, 1}));
  EXPECT_EQ(MapDialogRect({2, 2, 1, 1}, {6, 12}), (PixelRect{3, 3, 2, 2}));
}

TEST(DialogUnits, WidenOnlyAsFarAsTheTextNeeds) {
  const DialogRect box{5, 47, 98, 8};
  const BaseUnits widened = WidenToFit({1, 16}, box, 200);
  EXPECT_GE(MapDialogRect(box, widened).width, 200);
  EXPECT_LT(MapDialogRect(box, {widened.x - 1, 16}).width, 200);
  EXPECT_EQ(WidenToFit({9, 16}, box, 200), (BaseUnits{9, 16}));
  EXPECT_EQ(WidenToFit({1, 16}, {5, 47, 0, 8}, 200), (BaseUnits{1, 16}));
}

// Letters 6 pixels wide, everything else 30: the letters give 6 across, and
// only the label with a colon needs more.
TEST(DialogUnits, OfAFontAreWidenedUntilEveryLabelFits) {
  const auto textWidth = [](const char* text) {
    int32_t width = 0;
    for (const char* c = text; *c != '\0'; ++c) {
      width += std::strchr(kAverageWidthLetters, *c) != nullptr ? 6 : 30;
    }
    return width;
  };
  const LabelPlace labels[] = {{"ab", {0, 0, 8, 8}, 0}, {"a:", {0, 8, 16, 8}, 0}};
  EXPECT_EQ(DialogUnitsOf(textWidth, 13, labels), (BaseUnits{9, 13}));
  EXPECT_EQ(DialogUnitsOf(textWidth, 13, std::span(labels, 1)), (BaseUnits{6, 13}));
}

}  // namespace
