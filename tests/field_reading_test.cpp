// The form's rule for reading a number from a field's text, signed and unsigned.
#include "form/field_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadingCase {
  const char* name;
  std::string text;
  uint32_t asSigned;  // as its 32-bit pattern
  uint32_t asUnsigned;
};

const ReadingCase kCases[] = {
    {"Empty", "", 0, 0},
    {"NoDigit", "abc", 0, 0},
    {"SpacesDigitsAnything", "   42abc", 42, 42},
    {"AMinusOnlyWhenSigned", " -7", 0u - 7u, 0},
    {"MinusZero", "-0", 0, 0},
    {"ADoubleMinus", "--7", 0, 0},
    {"ASpaceAfterTheMinus", "- 7", 0, 0},
    {"APlus", "+7", 0, 0},
    {"ATab", "\t7", 0, 0},
    {"ANoBreakSpace",
     "\xA0"
     "5",
     0, 0},
    {"UpToAZeroByte",
     std::string("12\0"
                 "34",
                 5),
     12, 12},
    {"TheLargestSigned", "2147483647", 2147483647u, 2147483647u},
    {"OneAboveTheLargestSigned", "2147483648", 0, 2147483648u},
    {"TheSmallestSigned", "-2147483647", 0u - 2147483647u, 0},
    {"NotTheNegativeWithoutATwin", "-2147483648", 0, 0},
    {"TheLargestUnsigned", "000000000004294967295", 0, 4294967295u},
    {"OneAboveTheLargestUnsigned", "4294967296", 0, 0},
    {"AMillionDigits", std::string(1'000'000, '9'), 0, 0},
    {"AMillionSpaces", std::string(1'000'000, ' ') + "-5", 0u - 5u, 0},
};

class FieldReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(FieldReading, FollowsTheFormsRule) {
  const ReadingCase& c = GetParam();
  EXPECT_EQ(ReadFieldNumber(c.text, Reading::Signed), c.asSigned);
  EXPECT_EQ(ReadFieldNumber(c.text, Reading::Unsigned), c.asUnsigned);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldReading, testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
