// The Decimal field follows the Binary field's text: the last 32 of its first
// 99 characters, a character other than 1 weighing 0.
#include "tests/press.h"

namespace {

PressCase Binary(const char* name, std::string text, const char* decimal) {
  return {name, "binary", {std::move(text)}, decimal};
}

const PressCase kCases[] = {
    Binary("Empty", "", "0"),
    Binary("Five", "101", "5"),
    Binary("OthersWeighZero", "-12", "2"),
    Binary("AllOfThe32Bits", std::string(32, '1'), "4294967295"),
    Binary("OnlyTheLast32Bits", std::string("1").append(32, '0'), "0"),
    Binary("CharactersUpTo99", std::string(67, '0') + std::string(32, '1') + std::string(50, '0'),
           "4294967295"),
    Binary("NeverThe100th", std::string(99, '0') + "1", "0"),
    Binary("UpToAZeroByte", {'1', '1', '\0', '1', '1', '1', '1'}, "3"),
};
INSTANTIATE_TEST_SUITE_P(Binary, Press, testing::ValuesIn(kCases), CaseName);

}  // namespace
