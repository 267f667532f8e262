#include "ops/binary.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/press.h"

namespace {

struct BinaryCase {
  std::string binary;
  const char* decimal;
};

TEST(BinaryConversion, ShowsTheValueOfTheLast32OfTheFirst99Characters) {
  const BinaryCase cases[] = {
      {"", "0"}, {"0", "0"}, {"1", "1"}, {"10", "2"}, {"101", "5"}, {"0001", "1"},
      {"12", "2"}, {"21", "1"}, {"1 ", "2"}, {"abc1", "1"}, {"-1", "1"},
      {std::string(31, '1'), "2147483647"},
      {std::string(32, '1'), "4294967295"},
      {std::string("1").append(31, '0'), "2147483648"},
      {std::string(33, '1'), "4294967295"},
      {std::string("1").append(32, '0'), "0"},
      // Characters 68 to 99 of a longer field are weighed; the 100th is never seen.
      {std::string(67, '0') + std::string(32, '1') + std::string(50, '0'), "4294967295"},
      {std::string(98, '0') + "1" + std::string(20, '0'), "1"},
      {std::string(99, '0') + "1", "0"},
      {std::string(66, '0') + "1" + std::string(32, '0'), "0"},
      // The field is read as a zero-ended buffer.
      {std::string("11\0" "1111", 7), "3"},
  };
  for (const BinaryCase& c : cases) {
    SCOPED_TRACE("binary: \"" + c.binary + "\"");
    const Events expected{Write(c.decimal, IDC_DECIMAL)};
    EXPECT_EQ(Dispatch(IDC_BINARY, {{IDC_BINARY, c.binary}}, Notification::TextChanged), expected);
  }
}

}  // namespace
