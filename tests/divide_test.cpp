#include "ops/divide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/press.h"
#include "tests/reference/divide_reference.h"

namespace {

// Presses Divide; the one write of the result field must come under the busy
// pointer, which is gone afterwards.
std::string Divide(const std::string& dividend, const std::string& divisor) {
  const Events events =
      Dispatch(IDC_DIVIDE, {{IDC_FIRST_NUMBER, dividend}, {IDC_SECOND_NUMBER, divisor}});
  const std::string text = events.size() == 3 ? events[1].text : "";
  const Events expected{{EventKind::BeginWaitCursor, 0, {}, std::nullopt, 1},
                        Write(text, IDC_RESULT, 1),
                        {EventKind::EndWaitCursor, 0, {}, std::nullopt, 0}};
  EXPECT_EQ(events, expected) << dividend << " / " << divisor;
  return text;
}

std::string Repeating(const std::string& before, const std::string& block) {
  return before + "\xA0[\xA0" + block + " ] - Repeating";
}

// Compares without printing ten thousand digits when the texts differ.
testing::AssertionResult MatchesLiteralDivision(uint32_t dividend, uint32_t divisor) {
  const std::string ours = Divide(std::to_string(dividend), std::to_string(divisor));
  const std::string literal = DivideLiterally(dividend, divisor);
  // The fuzzer checks against the hashed lookup: it must find the same repeat.
  if (DivideLiterallyWithLookup(dividend, divisor) != literal) {
    return testing::AssertionFailure() << dividend << " / " << divisor << ": the lookups differ";
  }
  if (ours == literal) return testing::AssertionSuccess();
  const auto at = std::mismatch(ours.begin(), ours.end(), literal.begin(), literal.end()).first;
  return testing::AssertionFailure() << dividend << " / " << divisor << ": " << ours.size()
                                     << " bytes against " << literal.size()
                                     << ", first difference at byte " << at - ours.begin();
}

struct RepeatingCase {
  const char* dividend;
  const char* divisor;
  const char* before;
  const char* block;
  std::size_t length;
};

TEST(LongDivision, MarksTheRepeatingBlockAfterTheDigitsBeforeIt) {
  const RepeatingCase cases[] = {
      {"1", "3", "0.", "3", 20},           {"1", "6", "0.1", "6", 21},
      {"1", "7", "0.", "142857", 25},      {"22", "7", "3.", "142857", 25},
      {"100", "7", "14.", "285714", 26},   {"1", "12", "0.08", "3", 22},
      {"1", "81", "0.", "012345679", 28},  {"1", "4", "0.25", "0", 22},
      {"5", "2", "2.5", "0", 21},          {"10", "5", "2.", "0", 20},
      {"7", "1", "7.", "0", 20},           {"0", "5", "0.", "0", 20},
      {"", "5", "0.", "0", 20},            {"3", "7", "0.", "428571", 25},
      {"4294967295", "4294967295", "1.", "0", 20},
      {"4294967295", "2", "2147483647.5", "0", 30},
      {"4294967295", "1", "4294967295.", "0", 29},
      {"3000000000", "1", "3000000000.", "0", 29},
      {"1", "2147483648", "0.0000000004656612873077392578125", "0", 51},
      {"  12abc", "0005 ", "2.4", "0", 21}, {"2147483648", "2", "1073741824.", "0", 29},
  };
  for (const RepeatingCase& c : cases) {
    SCOPED_TRACE(std::string(c.dividend) + " / " + c.divisor);
    const std::string result = Divide(c.dividend, c.divisor);
    EXPECT_EQ(result, Repeating(c.before, c.block));
    EXPECT_EQ(result.size(), c.length);
  }
}

TEST(LongDivision, FindsARepeatUpToTheLastStepAndCutsTheRest) {
  const struct {
    uint32_t dividend;
    uint32_t divisor;
    const char* head;  // with the marker where a repeat is found
    std::size_t length;
  } cases[] = {
      {1, 19997, "0.\xA0[\xA0", 10017},   // period 9,998 from the point on
      {1, 39994, "0.0\xA0[\xA0", 10018},  // found at the last step
      {1, 243679, "0.\xA0[\xA0", 10018},  // period 9,999: also the last step
      {1, 79988, "0.0", 10002},           // one step short: 10,000 digits, unmarked
      {1, 487358, "0.0", 10002},          // period 9,999 after one digit
      {1, 2720017, "0.0", 10002},         // period 10,000
      {4294967295u, 4294967294u, "1.0", 10002},
  };
  for (const auto& c : cases) {
    const std::string result = Divide(std::to_string(c.dividend), std::to_string(c.divisor));
    EXPECT_EQ(result.size(), c.length) << c.divisor;
    EXPECT_EQ(result.substr(0, std::strlen(c.head)), c.head) << c.divisor;
    EXPECT_TRUE(MatchesLiteralDivision(c.dividend, c.divisor));
  }
}

TEST(LongDivision, AnswersADivisorOfZeroWithAMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"5", ""}, {"5", "0"}, {"5", "abc"}, {"0", "0"}, {"", ""}, {"5", "-0"},
  };
  for (const auto& [dividend, divisor] : cases) {
    EXPECT_EQ(Divide(dividend, divisor), "Invalid Input, Cannot divide by Zero");
  }
}

// The literal division's cost grows with the square of the steps it takes:
// the sanitizer build, with assertions on, runs a quarter of these.
#ifdef NDEBUG
constexpr uint32_t kShare = 4;
#else
constexpr uint32_t kShare = 1;
#endif

TEST(LongDivision, MatchesTheLiteralDivision) {
  std::mt19937 random(20'240'615u);  // fixed: every run divides the same numbers
  const auto next = [&random] { return static_cast<uint32_t>(random()); };
  std::vector<std::pair<uint32_t, uint32_t>> pairs;
  // Periods of 9,900 to 10,006 digits (the bound itself is tested above), some
  // after digits that do not repeat; periods of 4 to 201 digits; divisors near 2^32.
  for (const uint32_t divisor :
       {644584u, 1289168u, 29983u, 19991u, 10007u, 40013u, 50021u, 109913u, 59991u, 19801u,
        101u, 199u, 397u, 25351u, 797u, 401u, 1609u,
        4294967295u, 4294967294u, 4294967291u, 4294967279u, 4294966671u}) {
    for (uint32_t k = 0; k < (kShare + 1) / 2; ++k) pairs.emplace_back(next(), divisor);
  }
  // Every small divisor, under a random dividend and under one below it.
  for (uint32_t divisor = 1; divisor <= 750 * kShare; ++divisor) {
    pairs.emplace_back(next(), divisor);
    pairs.emplace_back(next() % divisor, divisor);
  }
  // Powers of 2 and 5 times an odd part: digits before the repetition.
  for (uint32_t k = 0; k < 500 * kShare; ++k) {
    uint64_t divisor = next() % 1000 | 1;
    for (uint32_t twos = next() % 32; twos > 0 && divisor * 2 <= UINT32_MAX; --twos) divisor *= 2;
    for (uint32_t fives = next() % 14; fives > 0 && divisor * 5 <= UINT32_MAX; --fives) divisor *= 5;
    const auto d = static_cast<uint32_t>(divisor);
    pairs.emplace_back(next(), d);
    pairs.emplace_back(d * (next() % (UINT32_MAX / d + 1)), d);
    pairs.emplace_back(next() % d, d);
  }
  // Divisors spread evenly over their bit lengths; every other dividend just below 2^32.
  for (uint32_t k = 0; k < 30 * kShare; ++k) {
    const uint32_t bits = 1 + next() % 32;
    const uint32_t divisor = next() >> (32 - bits) | 1u << (bits - 1);
    pairs.emplace_back(k % 2 == 0 ? next() : UINT32_MAX - next() % 1000, divisor);
  }
  for (const auto& [dividend, divisor] : pairs) {
    EXPECT_TRUE(MatchesLiteralDivision(dividend, divisor));
  }
}

}  // namespace
