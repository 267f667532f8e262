#include "form/field_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadingCase {
  std::string text;
  uint32_t asSigned;  // as its 32-bit pattern
  uint32_t asUnsigned;
};

TEST(FieldReading, FollowsTheFormsRuleSignedAndUnsigned) {
  const ReadingCase cases[] = {
      {"", 0, 0}, {"   42", 42, 42}, {"42abc", 42, 42}, {"42 ", 42, 42}, {"abc", 0, 0},
      {"-7", 0u - 7u, 0}, {" -7", 0u - 7u, 0}, {"-", 0, 0}, {"--7", 0, 0}, {"- 7", 0, 0},
      {"+7", 0, 0}, {"\t7", 0, 0}, {"-0", 0, 0}, {"\xA0" "5", 0, 0},
      {std::string("12\0" "34", 5), 12, 12},
      {"2147483647", 2147483647u, 2147483647u}, {"2147483648", 0, 2147483648u},
      {"-2147483647", 0u - 2147483647u, 0},
      {"-2147483648", 0, 0},  // not the one negative value without a positive twin
      {"4294967295", 0, 4294967295u}, {"4294967296", 0, 0}, {"42949672950", 0, 0},
      {"0000000000012", 12, 12}, {"000000000004294967295", 0, 4294967295u},
      // A pasted run of a million characters.
      {std::string(1'000'000, '9'), 0, 0},
      {std::string(1'000'000, '0') + "5", 5, 5},
      {std::string(1'000'000, ' ') + "-5", 0u - 5u, 0},
  };
  for (const ReadingCase& c : cases) {
    SCOPED_TRACE("text: \"" + c.text.substr(0, 30) + "\"");
    EXPECT_EQ(ReadFieldNumber(c.text, Reading::Signed), c.asSigned);
    EXPECT_EQ(ReadFieldNumber(c.text, Reading::Unsigned), c.asUnsigned);
  }
}

}  // namespace
