// The result field's text broken into display lines and its indexes mapped
// both ways, measured here by a field of its own: every character one unit
// wide. Runs on every machine: none of it needs Windows.
#include "app/win32/wrapped_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Wrapping {
  const char* name;
  std::wstring text;
  std::size_t width;  // in characters
  std::wstring shown;
  std::vector<std::size_t> breaks;
};

void PrintTo(const Wrapping& c, std::ostream* out) { *out << c.name; }

class TextWrapping : public testing::TestWithParam<Wrapping> {};

// Every exact index comes back from the shown text, and each character of a
// soft break reads as the index the break stands at.
TEST_P(TextWrapping, BreaksTheLinesThatDoNotFitAndMapsIndexesBothWays) {
  const Wrapping& c = GetParam();
  const WrappedText wrapped = WrapText(
      c.text, c.width, [&c](std::wstring_view line) { return std::min(line.size(), c.width); });
  EXPECT_EQ(wrapped.shown, c.shown);
  EXPECT_EQ(wrapped.breaks, c.breaks);
  for (std::size_t exact = 0; exact <= c.text.size(); ++exact) {
    EXPECT_EQ(ExactIndex(c.breaks, ShownIndex(c.breaks, exact)), exact);
  }
  for (const std::size_t at : c.breaks) {
    for (std::size_t back = 1; back <= kSoftBreak.size(); ++back) {
      EXPECT_EQ(ExactIndex(c.breaks, ShownIndex(c.breaks, at) - back), at) << "break at " << at;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    , TextWrapping,
    testing::Values(
        Wrapping{"AShortLineStaysWhole", L"1,234", 10, L"1,234", {}},
        Wrapping{
            "ANumberAfterItsLastCommaThatFits", L"1,234,567,890", 8, L"1,234,\r\r\n567,890", {6}},
        Wrapping{
            "ProseAfterItsSpaces", L"two words here", 9, L"two \r\r\nwords \r\r\nhere", {4, 10}},
        Wrapping{"DigitsAloneAnywhere", L"12345678901", 4, L"1234\r\r\n5678\r\r\n901", {4, 8}},
        Wrapping{"EachOwnLineByItself",
                 L"123456\r\n89,012,345",
                 6,
                 L"123456\r\n89,\r\r\n012,\r\r\n345",
                 {11, 15}},
        Wrapping{"ALineWithATabLeftToTheField",
                 L"12345678\r\n1\t2345678",
                 4,
                 L"1234\r\r\n5678\r\n1\t2345678",
                 {4}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
