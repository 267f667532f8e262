#include "ops/divide.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "tests/reference/divide_reference.h"

namespace {

using EventKind = MemoryForm::EventKind;

// Types both numbers as a user would, presses Divide and returns what Result shows.
std::string ResultFor(const std::string& dividend, const std::string& divisor) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_FIRST_NUMBER, dividend);
  form.Type(IDC_SECOND_NUMBER, divisor);
  DispatchCommand(dialog, IDC_DIVIDE, Notification::Clicked);
  return form.FieldText(IDC_RESULT);
}

std::string ResultFor(uint32_t dividend, uint32_t divisor) {
  return ResultFor(std::to_string(dividend), std::to_string(divisor));
}

std::string Repeating(const std::string& before, const std::string& block) {
  return before + "\xA0[\xA0" + block + " ] - Repeating";
}

bool AllDigits(const std::string& text) {
  return text.find_first_not_of("0123456789") == std::string::npos;
}

// Compares without printing ten thousand digits when the texts differ.
testing::AssertionResult MatchesLiteralDivision(uint32_t dividend, uint32_t divisor) {
  const std::string ours = ResultFor(dividend, divisor);
  const std::string literal = DivideLiterally(dividend, divisor);
  if (ours == literal) return testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < ours.size() && at < literal.size() && ours[at] == literal[at]) ++at;
  return testing::AssertionFailure()
         << dividend << " / " << divisor << ": " << ours.size() << " bytes against "
         << literal.size() << ", first difference at byte " << at << " (" << ours.substr(at, 20)
         << " against " << literal.substr(at, 20) << ")";
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
      {"1", "3", "0.", "3", 20},
      {"1", "6", "0.1", "6", 21},
      {"1", "7", "0.", "142857", 25},
      {"22", "7", "3.", "142857", 25},
      {"100", "7", "14.", "285714", 26},
      {"1", "12", "0.08", "3", 22},
      {"1", "81", "0.", "012345679", 28},
      {"1", "4", "0.25", "0", 22},
      {"5", "2", "2.5", "0", 21},
      {"10", "5", "2.", "0", 20},
      {"7", "1", "7.", "0", 20},
      {"0", "5", "0.", "0", 20},
      {"4294967295", "4294967295", "1.", "0", 20},
      {"4294967295", "2", "2147483647.5", "0", 30},
      {"4294967295", "1", "4294967295.", "0", 29},
      {"3000000000", "1", "3000000000.", "0", 29},
      {"", "5", "0.", "0", 20},
      {"3", "7", "0.", "428571", 25},
      {"1", "2147483648", "0.0000000004656612873077392578125", "0", 51},
  };
  for (const RepeatingCase& c : cases) {
    SCOPED_TRACE(std::string(c.dividend) + " / " + c.divisor);
    const std::string result = ResultFor(c.dividend, c.divisor);
    EXPECT_EQ(result, Repeating(c.before, c.block));
    EXPECT_EQ(result.size(), c.length);
  }
}

TEST(LongDivision, WritesOneSixthAsTwentyOneBytes) {
  const unsigned char bytes[] = {0x30, 0x2E, 0x31, 0xA0, 0x5B, 0xA0, 0x36, 0x20, 0x5D, 0x20, 0x2D,
                                 0x20, 0x52, 0x65, 0x70, 0x65, 0x61, 0x74, 0x69, 0x6E, 0x67};
  EXPECT_EQ(ResultFor("1", "6"), std::string(std::begin(bytes), std::end(bytes)));
}

struct BoundCase {
  uint32_t dividend;
  uint32_t divisor;
  const char* before;  // nullptr: no repeat within the 10,000 steps
  std::size_t blockLength;
  std::size_t length;
};

TEST(LongDivision, FindsARepeatUpToTheLastStepAndCutsTheRest) {
  const BoundCase cases[] = {
      {1, 19997, "0.", 9998, 10017},    // period 9,998 from the point on
      {1, 39994, "0.0", 9998, 10018},   // found at the last step
      {1, 243679, "0.", 9999, 10018},   // period 9,999: also the last step
      {1, 79988, nullptr, 0, 10002},    // one step short
      {1, 487358, nullptr, 0, 10002},   // period 9,999 after one digit
      {1, 2720017, nullptr, 0, 10002},  // period 10,000
      {4294967295u, 4294967294u, nullptr, 0, 10002},
  };
  for (const BoundCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.dividend) + " / " + std::to_string(c.divisor));
    const std::string result = ResultFor(c.dividend, c.divisor);
    EXPECT_EQ(result.size(), c.length);
    if (c.before == nullptr) {
      const std::string whole = c.dividend > c.divisor ? "1." : "0.";
      EXPECT_EQ(result.substr(0, 2), whole);
      EXPECT_TRUE(AllDigits(result.substr(2)));
    } else {
      const std::string head = std::string(c.before) + "\xA0[\xA0";
      const std::size_t blockEnd = result.size() - kRepeatSuffix.size();
      EXPECT_EQ(result.substr(0, head.size()), head);
      EXPECT_EQ(blockEnd - head.size(), c.blockLength);
      EXPECT_TRUE(AllDigits(result.substr(head.size(), c.blockLength)));
      EXPECT_EQ(result.substr(blockEnd), " ] - Repeating");
    }
    EXPECT_TRUE(MatchesLiteralDivision(c.dividend, c.divisor));
  }
}

TEST(LongDivision, AnswersADivisorOfZeroWithAMessageUnderTheBusyPointer) {
  const std::pair<const char*, const char*> cases[] = {
      {"5", ""}, {"5", "0"}, {"5", "abc"}, {"0", "0"}, {"", ""}, {"4294967295", "-3"},
  };
  for (const auto& [dividend, divisor] : cases) {
    SCOPED_TRACE(std::string(dividend) + " / \"" + divisor + "\"");
    MemoryForm form;
    CNumbersDlg dialog(form);
    form.Type(IDC_FIRST_NUMBER, dividend);
    form.Type(IDC_SECOND_NUMBER, divisor);
    DispatchCommand(dialog, IDC_DIVIDE, Notification::Clicked);
    const std::vector<MemoryForm::Event> expected = {
        {EventKind::BeginWaitCursor, 0, {}, std::nullopt, 1},
        {EventKind::SetText, IDC_RESULT, "Invalid Input, Cannot divide by Zero", std::nullopt, 1},
        {EventKind::EndWaitCursor, 0, {}, std::nullopt, 0},
    };
    EXPECT_EQ(form.Events(), expected);
    EXPECT_EQ(form.WaitDepth(), 0);
  }
}

TEST(LongDivision, WritesOnlyTheResultOnceBetweenBeginAndEndOfTheBusyPointer) {
  for (const char* divisor : {"7", "79988"}) {
    SCOPED_TRACE(divisor);
    MemoryForm form;
    CNumbersDlg dialog(form);
    form.Type(IDC_FIRST_NUMBER, "22");
    form.Type(IDC_SECOND_NUMBER, divisor);
    DispatchCommand(dialog, IDC_DIVIDE, Notification::Clicked);
    const auto& events = form.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, EventKind::BeginWaitCursor);
    EXPECT_EQ(events[1].kind, EventKind::SetText);
    EXPECT_EQ(events[1].id, IDC_RESULT);
    EXPECT_EQ(events[1].waitDepth, 1);
    EXPECT_EQ(events[2].kind, EventKind::EndWaitCursor);
    EXPECT_EQ(form.WaitDepth(), 0);
    EXPECT_EQ(form.FieldText(IDC_FIRST_NUMBER), "22");
    EXPECT_EQ(form.FieldText(IDC_SECOND_NUMBER), divisor);
  }
}

TEST(LongDivision, GivesTheSameTextWhenPressedTwice) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_FIRST_NUMBER, "100");
  form.Type(IDC_SECOND_NUMBER, "7");
  DispatchCommand(dialog, IDC_DIVIDE, Notification::Clicked);
  DispatchCommand(dialog, IDC_DIVIDE, Notification::Clicked);
  const auto& events = form.Events();
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[1].text, Repeating("14.", "285714"));
  EXPECT_EQ(events[4].text, events[1].text);
  EXPECT_EQ(form.WaitDepth(), 0);
}

TEST(LongDivision, ReadsBothNumbersUnsigned) {
  // Pasted text is not filtered: a minus sign reads as no number at all.
  EXPECT_EQ(ResultFor("-7", "2"), Repeating("0.", "0"));
  EXPECT_EQ(ResultFor("-7", "-2"), "Invalid Input, Cannot divide by Zero");
  EXPECT_EQ(ResultFor("  12abc", "0005 "), Repeating("2.4", "0"));
  EXPECT_EQ(ResultFor("4294967296", "3"), Repeating("0.", "0"));
  EXPECT_EQ(ResultFor("2147483648", "2"), Repeating("1073741824.", "0"));
}

// The differential tests below compare with the literal long division, whose
// cost grows with the square of the steps taken; a build with assertions on
// (the sanitizer build) runs a smaller share of them.
#ifdef NDEBUG
constexpr uint32_t kShare = 4;
#else
constexpr uint32_t kShare = 1;
#endif

TEST(LongDivision, MatchesTheLiteralDivisionForPeriodsNearTheBoundAndDivisorsNear2To32) {
  // Periods of 9,900 to 10,006 digits, some after digits that do not repeat.
  const uint32_t nearTheBound[] = {19997, 39994, 79988, 243679, 487358, 2720017, 644584, 1289168,
                                   29983, 19991, 10007, 40013,  50021,  109913,  59991,  19801};
  // Periods of 4 to 201 digits, around the multiples of 100.
  const uint32_t shortPeriods[] = {101, 199, 397, 25351, 797, 401, 1609};
  const uint32_t near2To32[] = {4294967295u, 4294967294u, 4294967291u, 4294967279u, 4294966671u};
  std::mt19937 random(20'240'615u);  // fixed start value: every run divides the same numbers
  for (const auto& divisors :
       {std::span<const uint32_t>(nearTheBound), std::span<const uint32_t>(shortPeriods),
        std::span<const uint32_t>(near2To32)}) {
    for (const uint32_t divisor : divisors) {
      for (uint32_t n = 0; n < (kShare + 1) / 2; ++n) {
        EXPECT_TRUE(MatchesLiteralDivision(static_cast<uint32_t>(random()), divisor));
      }
    }
  }
}

TEST(LongDivision, MatchesTheLiteralDivisionForEverySmallDivisor) {
  std::mt19937 random(7'770'001u);  // fixed start value
  const uint32_t last = 750 * kShare;
  for (uint32_t divisor = 1; divisor <= last; ++divisor) {
    EXPECT_TRUE(MatchesLiteralDivision(static_cast<uint32_t>(random()), divisor));
    EXPECT_TRUE(MatchesLiteralDivision(static_cast<uint32_t>(random() % divisor), divisor));
  }
}

TEST(LongDivision, MatchesTheLiteralDivisionForPowersOfTwoAndFiveTimesAnOddPart) {
  std::mt19937 random(5'550'002u);  // fixed start value
  for (uint32_t n = 0; n < 500 * kShare; ++n) {
    const uint32_t odd = static_cast<uint32_t>(random() % 1000) | 1;
    uint64_t divisor = odd;
    const uint32_t twos = static_cast<uint32_t>(random() % 32);
    const uint32_t fives = static_cast<uint32_t>(random() % 14);
    for (uint32_t k = 0; k < twos && divisor * 2 <= UINT32_MAX; ++k) divisor *= 2;
    for (uint32_t k = 0; k < fives && divisor * 5 <= UINT32_MAX; ++k) divisor *= 5;
    const auto d = static_cast<uint32_t>(divisor);
    const auto multiple = static_cast<uint32_t>(d * (random() % (UINT32_MAX / d + 1)));
    EXPECT_TRUE(MatchesLiteralDivision(static_cast<uint32_t>(random()), d));
    EXPECT_TRUE(MatchesLiteralDivision(multiple, d));
    EXPECT_TRUE(MatchesLiteralDivision(static_cast<uint32_t>(random() % d), d));
  }
}

TEST(LongDivision, MatchesTheLiteralDivisionOnRandomPairs) {
  std::mt19937 random(3'330'003u);  // fixed start value
  // Divisors spread evenly over their bit lengths, so that short and long
  // periods both come up; every other dividend lies just below 2^32.
  for (uint32_t n = 0; n < 30 * kShare; ++n) {
    const uint32_t bits = 1 + static_cast<uint32_t>(random() % 32);
    const uint32_t divisor = static_cast<uint32_t>(random() >> (32 - bits)) | 1u << (bits - 1);
    const uint32_t dividend = n % 2 == 0 ? static_cast<uint32_t>(random())
                                         : UINT32_MAX - static_cast<uint32_t>(random() % 1000);
    EXPECT_TRUE(MatchesLiteralDivision(dividend, divisor));
  }
}

}  // namespace
