// 2 to the power n written out with its digits grouped by threes, under the
// program's introduction; an n past 262,144 is refused.
#include "ops/bits.h"

#include "tests/press.h"
#include "tests/reference/bits_reference.h"

namespace {

std::string Heading(const std::string& n) {
  return kBitsIntro + "\r\n\r\nThe result of " + n + " Bits is:\r\n\r\n";
}

const PressCase kCases[] = {
    {"GroupsByThrees", "bits", {"10"}, Heading("10") + "1,024"},
    {"ReadsTheField", "bits", {"  007x"}, Heading("7") + "128"},
    {"ZeroBitsAreOne", "bits", {"0"}, Heading("0") + "1"},
    Refused("RefusesOnePastTheMost", "bits", {"262145"},
            kBitsIntro + "\r\n\t262145 is too large, max input is 262,144\r\n"),
    Refused("RefusesANegativeNumber", "bits", {"-1"},
            kBitsIntro + "\r\n\t-1 is too large, max input is 262,144\r\n"),
};
INSTANTIATE_TEST_SUITE_P(Bits, Press, testing::ValuesIn(kCases), CaseName);

// Past the register's reach: the digits modulo a prime, and the ends in full.
TEST(BitCombinations, WritesTwoToTheNUpToTheMostBits) {
  constexpr uint64_t kPrime = 1'000'000'007;
  for (uint32_t n : {24'494u, 65'537u, 131'071u, 262'143u, 262'144u}) {
    const std::string text = FindBitCombinations(static_cast<int32_t>(n));
    uint64_t digits = 0;
    uint64_t power = 1;
    for (char c : text.substr(Heading(std::to_string(n)).size())) {
      if (c != ',') digits = (digits * 10 + static_cast<uint64_t>(c - '0')) % kPrime;
    }
    for (uint64_t base = 2, e = n; e != 0; e >>= 1, base = base * base % kPrime) {
      if ((e & 1) != 0) power = power * base % kPrime;
    }
    EXPECT_EQ(digits, power) << "2^" << n;
  }
  const std::string text = FindBitCombinations(262'144);
  ASSERT_EQ(text.size(), 105'388u);
  EXPECT_EQ(text.substr(text.size() - 27), "862,605,349,934,298,300,416");
  EXPECT_EQ(text.substr(0, Heading("262144").size() + 26),
            Heading("262144") + "16,113,257,174,857,604,736");
}

// The register over the whole range takes some minutes: run it with
// --gtest_also_run_disabled_tests after changing the arithmetic.
void ExpectAgreesWithTheDigitRegister(int32_t last, int32_t step) {
  LiteralBitsFinder reference;
  for (int32_t n = 1; n <= last; n += n < 3000 || n > last - 100 ? 1 : step) {
    ASSERT_EQ(FindBitCombinations(n), reference.FindText(n)) << "n = " << n;
  }
}
TEST(BitCombinations, AgreesWithTheDigitRegisterUpTo3000AndPastTheOldBufferEnd) {
  ExpectAgreesWithTheDigitRegister(24'493, 10'741);
}
TEST(BitCombinations, DISABLED_AgreesWithTheDigitRegisterOverTheWholeRange) {
  ExpectAgreesWithTheDigitRegister(262'144, 101);
}

}  // namespace
