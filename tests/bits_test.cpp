#include "ops/bits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "tests/reference/bits_reference.h"

namespace {

using Kind = MemoryForm::EventKind;

const std::string kIntro =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";

const std::string kHeadingEnd = " Bits is:\r\n\r\n";

// Types into the single-number field as a user would (or pastes), presses Bits
// and gives what the result field shows. The press must write the result field
// once and nothing else.
std::string PressBits(const std::string& field) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, field);
  DispatchCommand(dialog, IDC_BITS, Notification::Clicked);
  EXPECT_EQ(form.Events().size(), 1u);
  if (form.Events().empty()) return {};
  EXPECT_EQ(form.Events()[0].kind, Kind::SetText);
  EXPECT_EQ(form.Events()[0].id, IDC_RESULT);
  EXPECT_EQ(form.FieldText(IDC_SINGLE_NUMBER), field);
  return form.FieldText(IDC_RESULT);
}

// What follows the heading.
std::string DigitsShown(const std::string& text) {
  const std::size_t heading = text.find(kHeadingEnd);
  if (heading == std::string::npos) return "(no heading)";
  return text.substr(heading + kHeadingEnd.size());
}

// 2^n by repeated multiplication with 2^29 in base 10^9, written with "," between
// groups of three: independent of both the register and the squaring.
std::string GroupedPowerOfTwo(uint32_t n) {
  constexpr uint64_t kBase = 1'000'000'000;
  std::vector<uint64_t> limbs{1};
  for (uint32_t left = n; left > 0;) {
    const uint32_t step = left < 29 ? left : 29;
    left -= step;
    uint64_t carry = 0;
    for (uint64_t& limb : limbs) {
      const uint64_t t = (limb << step) + carry;
      limb = t % kBase;
      carry = t / kBase;
    }
    if (carry != 0) limbs.push_back(carry);
  }
  std::string digits = std::to_string(limbs.back());
  for (std::size_t i = limbs.size() - 1; i-- > 0;) {
    const std::string limb = std::to_string(limbs[i]);
    digits += std::string(9 - limb.size(), '0') + limb;
  }
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

struct TextCase {
  const char* field;
  std::string text;
};

TEST(BitCombinations, WritesTheWholeTextForEveryKindOfInput) {
  const std::string nothing = kIntro + "\r\n\r\nThe result of 0 Bits is:\r\n\r\n";
  const TextCase cases[] = {
      {"10", kIntro + "\r\n\r\nThe result of 10 Bits is:\r\n\r\n1,024"},
      {"0", nothing},
      {"", nothing},
      {"abc", nothing},
      {"2147483648", nothing},
      {"262145", kIntro + "\r\n\t262145 is too large, max input is 262,144\r\n"},
      {"-1", kIntro + "\r\n\t-1 is too large, max input is 262,144\r\n"},
      {"-2147483648", nothing},
      {"2147483647", kIntro + "\r\n\t2147483647 is too large, max input is 262,144\r\n"},
      {"  007x", kIntro + "\r\n\r\nThe result of 7 Bits is:\r\n\r\n128"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(std::string("field: \"") + c.field + "\"");
    EXPECT_EQ(PressBits(c.field), c.text);
  }
}

TEST(BitCombinations, GroupsTheDigitsByThreesFromTheUnits) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "2"},
      {"2", "4"},
      {"3", "8"},
      {"4", "16"},
      {"7", "128"},
      {"10", "1,024"},
      {"14", "16,384"},
      {"16", "65,536"},
      {"17", "131,072"},
      {"20", "1,048,576"},
      {"29", "536,870,912"},
      {"30", "1,073,741,824"},
      {"64", "18,446,744,073,709,551,616"},
      {"100", "1,267,650,600,228,229,401,496,703,205,376"},
  };
  for (const auto& [field, digits] : cases) {
    SCOPED_TRACE(std::string("n = ") + field);
    EXPECT_EQ(DigitsShown(PressBits(field)), digits);
  }
}

TEST(BitCombinations, ShowsTextsLongerThanTenThousandCharactersWhole) {
  // 24,492 bits was the most a 10,000-byte buffer held with its final zero.
  EXPECT_EQ(PressBits("24492").size(), 9'999u);
  EXPECT_EQ(PressBits("24493").size(), 10'000u);
}

TEST(BitCombinations, WritesAllOf2ToThe262144) {
  const std::string text = PressBits("262144");
  EXPECT_EQ(text.size(), 105'388u);
  const std::string digits = DigitsShown(text);
  EXPECT_EQ(text.substr(0, text.size() - digits.size()),
            kIntro + "\r\n\r\nThe result of 262144 Bits is:\r\n\r\n");
  EXPECT_EQ(digits.substr(0, 26), "16,113,257,174,857,604,736");
  EXPECT_EQ(digits.substr(digits.size() - 27), "862,605,349,934,298,300,416");

  // Two digits, then a comma before every three.
  std::string plain;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const bool commaHere = i >= 2 && (i - 2) % 4 == 0;
    ASSERT_EQ(digits[i] == ',', commaHere) << "at " << i;
    if (!commaHere) plain += digits[i];
  }
  EXPECT_EQ(plain.size(), 78'914u);

  // The digits' value modulo a few primes is 2^262144 modulo them.
  for (uint64_t prime : {2'147'483'647u, 1'000'000'007u, 998'244'353u}) {
    uint64_t value = 0;
    for (char digit : plain) value = (value * 10 + static_cast<uint64_t>(digit - '0')) % prime;
    uint64_t power = 1;
    for (int i = 0; i < 262'144; ++i) power = power * 2 % prime;
    EXPECT_EQ(value, power) << "modulo " << prime;
  }
}

TEST(BitCombinations, AgreesWithTheDigitRegisterForEveryNUpTo3000) {
  LiteralBitsFinder reference;
  int differences = 0;
  for (int32_t n = 0; n <= 3000; ++n) {
    if (FindBitCombinations(n) != reference.FindText(n)) {
      ADD_FAILURE() << "n = " << n;
      if (++differences == 5) break;
    }
  }
}

TEST(BitCombinations, AgreesWithTheDigitRegisterAroundTenThousandAndTheOldBufferEnd) {
  LiteralBitsFinder reference;
  for (int32_t n : {9'999, 10'000, 10'001, 24'491, 24'492, 24'493}) {
    EXPECT_EQ(FindBitCombinations(n), reference.FindText(n)) << "n = " << n;
  }
}

TEST(BitCombinations, AgreesWithAPlainPowerUpToTheRangeEnd) {
  // The register takes tens of seconds this far up: the digits come from plain
  // multiplication instead.
  for (uint32_t n : {99'999u, 100'000u, 100'001u, 262'143u, 262'144u}) {
    EXPECT_EQ(DigitsShown(FindBitCombinations(static_cast<int32_t>(n))), GroupedPowerOfTwo(n))
        << "n = " << n;
  }
}

// The register over the whole range: some minutes. Run it with
// --gtest_also_run_disabled_tests after changing the arithmetic.
TEST(BitCombinations, DISABLED_AgreesWithTheDigitRegisterOverTheWholeRange) {
  std::vector<int32_t> checked;
  for (int32_t n = 0; n <= 262'144; n += 101) checked.push_back(n);
  for (int32_t n : {99'999, 100'000, 100'001, 199'999, 200'000, 200'001, 262'143, 262'144}) {
    checked.push_back(n);
  }
  std::sort(checked.begin(), checked.end());
  LiteralBitsFinder reference;
  for (int32_t n : checked) ASSERT_EQ(FindBitCombinations(n), reference.FindText(n)) << "n = " << n;
}

}  // namespace
