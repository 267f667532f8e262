#include "tests/reference/divide_reference.h"

#include <cstddef>
#include <memory>

std::string DivideLiterally(uint32_t dividend, uint32_t divisor) {
  constexpr std::size_t kSteps = 10'000;
  const uint64_t d = divisor;
  // Like a local array: nothing is cleared, every slot is written before it is read.
  const auto remainders = std::make_unique_for_overwrite<uint64_t[]>(10'100);
  std::string quotient;

  uint64_t current = dividend;
  uint64_t digit = current / d;
  quotient += std::to_string(digit);
  quotient += '.';
  for (std::size_t i = 0; i < kSteps; ++i) {
    const uint64_t remainder = current - digit * d;
    remainders[i] = remainder;
    for (std::size_t p = 0; p < i; ++p) {
      if (remainders[p] == remainder) {
        quotient += " ] - Repeating";
        const std::size_t k = quotient.find('.') + 1;
        std::string marked = quotient.substr(0, k + p);
        marked += "\xA0[\xA0";
        marked += quotient.substr(k + p);
        return marked;
      }
    }
    current = remainder * 10;
    digit = current / d;
    quotient += static_cast<char>('0' + digit);
  }
  return quotient;
}
