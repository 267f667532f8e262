#include "tests/reference/divisor_table_reference.h"

#include <algorithm>
#include <cmath>

namespace reference {

uint32_t SquareRootTruncated(uint32_t n) {
  return static_cast<uint32_t>(std::sqrt(static_cast<double>(n)));
}

uint32_t BuildDivisorTable(uint32_t n, LiteralDivisorTable& table) {
  table.fill(0);
  uint32_t next = 0;
  table.at(next++) = 1;
  const uint32_t root = SquareRootTruncated(n);
  for (uint32_t i = 2; i <= root; ++i) {
    if (n % i == 0) {
      table.at(next++) = i;
      if (n / i != i) table.at(next++) = n / i;
    }
  }
  table.at(next++) = n;
  return next;
}

uint32_t TakeLargestDivisor(LiteralDivisorTable& table) {
  uint32_t& largest = *std::max_element(table.begin(), table.end());
  const uint32_t value = largest;
  largest = 0;
  return value;
}

}  // namespace reference
