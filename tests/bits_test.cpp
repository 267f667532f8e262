#include "ops/bits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/press.h"
#include "tests/reference/bits_reference.h"

namespace {

const std::string kIntro =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";

std::string PressBits(const std::string& field) {
  return OnlyWrite(IDC_BITS, {{IDC_SINGLE_NUMBER, field}});
}

std::string Heading(const std::string& n) {
  return kIntro + "\r\n\r\nThe result of " + n + " Bits is:\r\n\r\n";
}

TEST(BitCombinations, WritesTheWholeTextForEveryKindOfInput) {
  const std::pair<const char*, std::string> cases[] = {
      {"10", Heading("10") + "1,024"},
      {"  007x", Heading("7") + "128"},
      {"0", Heading("0") + "1"},
      {"", Heading("0") + "1"},
      {"262145", kIntro + "\r\n\t262145 is too large, max input is 262,144\r\n"},
      {"-1", kIntro + "\r\n\t-1 is too large, max input is 262,144\r\n"},
      {"2147483647", kIntro + "\r\n\t2147483647 is too large, max input is 262,144\r\n"},
  };
  for (const auto& [field, text] : cases) {
    EXPECT_EQ(PressBits(field), text) << "field: \"" << field << "\"";
  }
}

TEST(BitCombinations, GroupsTheDigitsByThreesFromTheUnits) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "2"}, {"2", "4"}, {"3", "8"}, {"4", "16"}, {"7", "128"}, {"10", "1,024"},
      {"14", "16,384"}, {"16", "65,536"}, {"17", "131,072"}, {"20", "1,048,576"},
      {"29", "536,870,912"}, {"30", "1,073,741,824"},
      {"64", "18,446,744,073,709,551,616"},
      {"100", "1,267,650,600,228,229,401,496,703,205,376"},
  };
  for (const auto& [n, digits] : cases) EXPECT_EQ(PressBits(n), Heading(n) + digits);
}

TEST(BitCombinations, ShowsTextsLongerThanTenThousandCharactersWhole) {
  // 24,492 bits was the most a 10,000-byte buffer held with its final zero.
  EXPECT_EQ(PressBits("24492").size(), 9'999u);
  EXPECT_EQ(PressBits("24493").size(), 10'000u);

  const std::string text = PressBits("262144");
  ASSERT_EQ(text.size(), 105'388u);
  ASSERT_EQ(text.substr(0, Heading("262144").size()), Heading("262144"));
  const std::string digits = text.substr(Heading("262144").size());
  EXPECT_EQ(digits.substr(0, 26), "16,113,257,174,857,604,736");
  EXPECT_EQ(digits.substr(digits.size() - 27), "862,605,349,934,298,300,416");
  // Two digits, then a comma before every three.
  for (std::size_t i = 0; i < digits.size(); ++i) {
    ASSERT_EQ(digits[i] == ',', i >= 2 && (i - 2) % 4 == 0) << "at " << i;
  }
}

TEST(BitCombinations, AgreesWithTheDigitRegisterUpTo3000AndAroundTheOldBufferEnd) {
  std::vector<int32_t> checked;
  // The register leaves 2^0 without its digit.
  for (int32_t n = 1; n <= 3000; ++n) checked.push_back(n);
  for (int32_t n : {9'999, 10'000, 10'001, 24'491, 24'492, 24'493}) checked.push_back(n);
  LiteralBitsFinder reference;
  for (int32_t n : checked) ASSERT_EQ(FindBitCombinations(n), reference.FindText(n)) << "n = " << n;
}

// The register over the whole range takes some minutes: run it with
// --gtest_also_run_disabled_tests after changing the arithmetic.
TEST(BitCombinations, DISABLED_AgreesWithTheDigitRegisterOverTheWholeRange) {
  LiteralBitsFinder reference;
  for (int32_t n = 1; n <= 262'144; n += n < 262'044 ? 101 : 1) {
    ASSERT_EQ(FindBitCombinations(n), reference.FindText(n)) << "n = " << n;
  }
}

}  // namespace
