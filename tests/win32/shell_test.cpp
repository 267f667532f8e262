#include <gtest/gtest.h>

#include <string>

#include "app/win32/framework/wide_text.h"
#include "app/win32/icon_placement.h"

namespace {

TEST(IconPlacement, CentresWithTheOddPixelOnTheLeadingSide) {
  struct Case {
    int extent, icon, offset;
  };
  const Case cases[] = {
      {32, 32, 0}, {36, 32, 2}, {37, 32, 3}, {38, 32, 3}, {160, 32, 64}, {161, 32, 65},
      // An area smaller than the icon: the division rounds toward zero.
      {30, 32, 0}, {29, 32, -1}, {0, 32, -15}, {0, 16, -7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredIconOffset(c.extent, c.icon), c.offset) << c.extent << " - " << c.icon;
  }
}

TEST(WideText, MapsEveryWindows1252ByteToItsUnicodeCharacter) {
  EXPECT_EQ(WideOfCp1252("3.\xA0[\xA0" "142857 ] - Repeating"),
            L"3.\u00A0[\u00A0" L"142857 ] - Repeating");
  EXPECT_EQ(WideOfCp1252("\x80\x8A\x9F\xFF"), L"\u20AC\u0160\u0178\u00FF");
  EXPECT_EQ(WideOfCp1252("a\r\nb\tc"), L"a\r\nb\tc");
  // Undefined in the code page: the C1 control of the same number.
  EXPECT_EQ(WideOfCp1252("\x81\x8D\x8F\x90\x9D"), L"\u0081\u008D\u008F\u0090\u009D");
}

TEST(WideText, ShowsACharacterOutsideTheCodePageAsOneQuestionMark) {
  EXPECT_EQ(Cp1252OfWide(L"\u0416x"), "?x");
  EXPECT_EQ(Cp1252OfWide(L"a\xD83D\xDE00" L"b"), "a?b");
  EXPECT_EQ(Cp1252OfWide(L"\xDE00\xD83D"), "??");
  EXPECT_EQ(Cp1252OfWide(L""), "");
}

}  // namespace
