#include "form/field_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadingCase {
  const char* text;
  uint32_t asSigned;
  uint32_t asUnsigned;
};

// Signed results are written as their 32-bit patterns.
constexpr ReadingCase kCases[] = {
    {"", 0, 0},
    {"   42", 42, 42},
    {"42abc", 42, 42},
    {"42 ", 42, 42},
    {"abc", 0, 0},
    {"-7", 0u - 7u, 0},
    {"-", 0, 0},
    {"--7", 0, 0},
    {" -7", 0u - 7u, 0},
    {"- 7", 0, 0},
    {"+7", 0, 0},
    {"\t7", 0, 0},
    {"0", 0, 0},
    {"-0", 0, 0},
    {"2147483647", 2147483647u, 2147483647u},
    {"2147483648", 0, 2147483648u},
    {"-2147483647", 0u - 2147483647u, 0},
    {"-2147483648", 0, 0},
    {"4294967295", 0, 4294967295u},
    {"4294967296", 0, 0},
    {"42949672950", 0, 0},
    {"0000000000012", 12, 12},
    {"000000000004294967295", 0, 4294967295u},
    {"12\x00"
     "34",
     12, 12},
    {"\xA0"
     "5",
     0, 0},
};

TEST(FieldReading, FollowsTheFormsRuleSignedAndUnsigned) {
  for (const ReadingCase& c : kCases) {
    SCOPED_TRACE(std::string("text: \"") + c.text + "\"");
    EXPECT_EQ(ReadFieldNumber(c.text, Reading::Signed), c.asSigned);
    EXPECT_EQ(ReadFieldNumber(c.text, Reading::Unsigned), c.asUnsigned);
  }
}

TEST(FieldReading, ReadsPastAZeroByteOnlyAsAnEndOfDigits) {
  const std::string text("7\0" "9", 3);
  EXPECT_EQ(ReadFieldNumber(text, Reading::Unsigned), 7u);
}

TEST(FieldReading, GivesZeroForAHugePasteWithoutReadingItAll) {
  EXPECT_EQ(ReadFieldNumber(std::string(1'000'000, '9'), Reading::Unsigned), 0u);
  EXPECT_EQ(ReadFieldNumber(std::string(1'000'000, '0') + "5", Reading::Signed), 5u);
  EXPECT_EQ(ReadFieldNumber(std::string(1'000'000, ' ') + "-5", Reading::Signed), 0u - 5u);
}

}  // namespace
