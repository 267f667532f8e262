// Long division to at most 10,000 digits after the point, the repeating block
// marked, checked against the literal step-by-step division.
#include "ops/divide.h"

#include <random>

#include "tests/press.h"
#include "tests/reference/differential.h"
#include "tests/reference/divide_reference.h"

namespace {

std::string Repeating(const std::string& before, const std::string& block) {
  return before + "\xA0[\xA0" + block + " ] - Repeating";
}

// The texts themselves are held to the literal division below.
const PressCase kCases[] = {
    {"MarksAfterTheDigitsBeforeIt", "divide", {"1", "6"}, Repeating("0.1", "6")},
    {"TheLongestEndingDivisionRepeatsZero",
     "divide",
     {"1", "2147483648"},
     Repeating("0.0000000004656612873077392578125", "0")},
    {"TheLargestNumbers", "divide", {"4294967295", "2"}, Repeating("2147483647.5", "0")},
    {"ReadsTheFields", "divide", {"  12abc", "0005 "}, Repeating("2.4", "0")},
    Refused("ADivisorOfZero", "divide", {"5", "0"}, "Invalid Input, Cannot divide by Zero"),
};
INSTANTIATE_TEST_SUITE_P(Divide, Press, testing::ValuesIn(kCases), CaseName);

// Compares without printing ten thousand digits when the texts differ.
void ExpectTheLiteralDivision(uint32_t dividend, uint32_t divisor) {
  EXPECT_TRUE(DivideWithRepeat(dividend, divisor) == DivideLiterally(dividend, divisor))
      << dividend << " / " << divisor;
}

// A repeat found up to the last step: periods of 9,998 and 9,999 digits, with
// and without a digit before them; one step short, and periods of 10,000.
TEST(LongDivision, FindsARepeatUpToTheLastStepAndCutsTheRest) {
  for (uint32_t divisor : {19997u, 39994u, 243679u, 79988u, 487358u, 2720017u}) {
    ExpectTheLiteralDivision(1, divisor);
  }
  ExpectTheLiteralDivision(4294967295u, 4294967294u);
}

// The literal division's cost grows with the square of the steps it takes:
// the sanitizer build, with assertions on, runs a quarter of these.
constexpr uint32_t kShare = reference::kCaseStride == 1 ? 4 : 1;

TEST(LongDivision, MatchesTheLiteralDivision) {
  std::mt19937 random(20'240'615u);  // fixed: every run divides the same numbers
  const auto next = [&random] { return static_cast<uint32_t>(random()); };
  // Periods of 9,900 to 10,006 digits, some after digits that do not repeat;
  // periods of 4 to 201 digits; divisors near 2^32.
  for (const uint32_t divisor :
       {644584u, 1289168u,    29983u,      19991u,      10007u,      40013u,     50021u, 109913u,
        59991u,  19801u,      101u,        199u,        397u,        25351u,     797u,   401u,
        1609u,   4294967295u, 4294967294u, 4294967291u, 4294967279u, 4294966671u}) {
    for (uint32_t k = 0; k < (kShare + 1) / 2; ++k) ExpectTheLiteralDivision(next(), divisor);
  }
  // Every small divisor, under a random dividend and under one below it.
  for (uint32_t divisor = 1; divisor <= 750 * kShare; ++divisor) {
    ExpectTheLiteralDivision(next(), divisor);
    ExpectTheLiteralDivision(next() % divisor, divisor);
  }
  // Powers of 2 and 5 times an odd part: digits before the repetition.
  for (uint32_t k = 0; k < 500 * kShare; ++k) {
    uint64_t d = next() % 1000 | 1;
    for (uint32_t twos = next() % 32; twos > 0 && d * 2 <= UINT32_MAX; --twos) d *= 2;
    for (uint32_t fives = next() % 14; fives > 0 && d * 5 <= UINT32_MAX; --fives) d *= 5;
    const auto divisor = static_cast<uint32_t>(d);
    ExpectTheLiteralDivision(next(), divisor);
    ExpectTheLiteralDivision(divisor * (next() % (UINT32_MAX / divisor + 1)), divisor);
    ExpectTheLiteralDivision(next() % divisor, divisor);
  }
  // Divisors spread evenly over their bit lengths; every other dividend just below 2^32.
  for (uint32_t k = 0; k < 30 * kShare; ++k) {
    const uint32_t bits = 1 + next() % 32;
    const uint32_t divisor = next() >> (32 - bits) | 1u << (bits - 1);
    ExpectTheLiteralDivision(k % 2 == 0 ? next() : UINT32_MAX - next() % 1000, divisor);
  }
}

}  // namespace
