#include "tests/reference/divide_reference.h"

#include <cstddef>
#include <memory>
#include <unordered_map>

namespace {

constexpr std::size_t kSteps = 10'000;

// The long division one digit per step. seen(i, remainder) records the
// remainder of step i and gives the earlier step that had the same one, or i.
template <typename Seen>
std::string DivideStepByStep(uint32_t dividend, uint32_t divisor, Seen seen) {
  const uint64_t d = divisor;
  std::string quotient;
  uint64_t current = dividend;
  uint64_t digit = current / d;
  quotient += std::to_string(digit);
  quotient += '.';
  for (std::size_t i = 0; i < kSteps; ++i) {
    const uint64_t remainder = current - digit * d;
    const std::size_t p = seen(i, remainder);
    if (p != i) {
      quotient += " ] - Repeating";
      const std::size_t k = quotient.find('.') + 1;
      std::string marked = quotient.substr(0, k + p);
      marked += "\xA0[\xA0";
      marked += quotient.substr(k + p);
      return marked;
    }
    current = remainder * 10;
    digit = current / d;
    quotient += static_cast<char>('0' + digit);
  }
  return quotient;
}

}  // namespace

std::string DivideLiterally(uint32_t dividend, uint32_t divisor) {
  // Like a local array: nothing is cleared, every slot is written before it is read.
  const auto remainders = std::make_unique_for_overwrite<uint64_t[]>(10'100);
  return DivideStepByStep(dividend, divisor, [&](std::size_t i, uint64_t remainder) {
    remainders[i] = remainder;
    std::size_t p = 0;
    while (p < i && remainders[p] != remainder) ++p;
    return p;
  });
}

std::string DivideLiterallyWithLookup(uint32_t dividend, uint32_t divisor) {
  std::unordered_map<uint64_t, std::size_t> steps;
  return DivideStepByStep(dividend, divisor, [&](std::size_t i, uint64_t remainder) {
    return steps.try_emplace(remainder, i).first->second;
  });
}
