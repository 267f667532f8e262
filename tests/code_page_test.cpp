#include "form/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ConvertsTheNoBreakSpaceAndTheEuroAndEveryByteBothWays) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xC2\xA0"), "\x80 \xA0");
  // And in one text, each byte after a run of ASCII that puts it at every
  // place of an eight-byte word.
  std::string everyByte;
  std::string eachConverted;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << "byte " << b;
    const std::string ascii(8 + static_cast<std::size_t>(b % 8), '.');
    everyByte += ascii + byte;
    eachConverted += ascii + Cp1252ToUtf8(byte);
  }
  EXPECT_EQ(Cp1252ToUtf8(everyByte), eachConverted);
}

TEST(CodePage, ReplacesWhatItCannotShowWithAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\x80"), "?");  // a CJK character
  EXPECT_EQ(Utf8ToCp1252("a\xFF"
                         "b"),
            "a?b");                                  // not UTF-8 at all
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");         // cut short
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside the basic plane
}

// An overlong form, a surrogate or a value past U+10FFFF only imitates a
// character: none may become the digit, or the zero byte, it imitates.
TEST(CodePage, DecodesOnlyTheShortestFormOfAScalarValue) {
  EXPECT_EQ(Utf8ToCp1252("\xC0\xB1"), "??");
  EXPECT_EQ(Utf8ToCp1252("\xC0\x80"), "??");
  EXPECT_EQ(Utf8ToCp1252("\xE0\x80\xB1"), "???");
  EXPECT_EQ(Utf8ToCp1252("\xF0\x80\x80\xB1"), "????");
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");                // a surrogate
  EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");           // past U+10FFFF
  EXPECT_EQ(Utf8ToCp1252("\xC2\x81\xF4\x8F\xBF\xBF"), "\x81?");  // the edges that stay
}

}  // namespace
