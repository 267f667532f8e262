// The form's rule for reading a number from a field's text, signed and
// unsigned, and which texts hold a number out of a reading's range.
#include "form/field_reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ReadingCase {
  const char* name;
  std::string text;
  // The number read; none when the text holds a number out of the range,
  // which reads as 0 and must be refused.
  std::optional<int64_t> asSigned;
  std::optional<int64_t> asUnsigned;
};

const ReadingCase kCases[] = {
    {"Empty", "", 0, 0},
    {"NoDigit", "abc", 0, 0},
    {"SpacesDigitsAnything", "   42abc", 42, 42},
    {"AMinusOnlyWhenSigned", " -7", -7, std::nullopt},
    {"MinusZero", "-0", 0, 0},
    {"ADoubleMinus", "--7", 0, 0},
    {"ASpaceAfterTheMinus", "- 7", 0, 0},
    {"APlus", "+7", 0, 0},
    {"ATab", "\t7", 0, 0},
    {"UpToAZeroByte", {'1', '2', '\0', '3', '4'}, 12, 12},
    {"TheLargestSigned", "2147483647", 2147483647, 2147483647},
    {"OneAboveTheLargestSigned", "2147483648", std::nullopt, 2147483648},
    {"TheSmallestSigned", "-2147483647", -2147483647, std::nullopt},
    {"NotTheNegativeWithoutATwin", "-2147483648", std::nullopt, std::nullopt},
    {"TheLargestUnsigned", "000000000004294967295", std::nullopt, 4294967295},
    {"OneAboveTheLargestUnsigned", "4294967296", std::nullopt, std::nullopt},
    {"AMillionDigits", std::string(1'000'000, '9'), std::nullopt, std::nullopt},
    {"AMillionSpaces", std::string(1'000'000, ' ') + "-5", -5, std::nullopt},
};

class FieldReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(FieldReading, FollowsTheFormsRule) {
  const ReadingCase& c = GetParam();
  for (const auto& [reading, expected] :
       {std::pair{Reading::Signed, c.asSigned}, std::pair{Reading::Unsigned, c.asUnsigned}}) {
    EXPECT_EQ(ReadFieldValue(c.text, reading), expected)
        << "signed " << (reading == Reading::Signed);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldReading, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
