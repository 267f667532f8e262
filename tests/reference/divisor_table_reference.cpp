#include "tests/reference/divisor_table_reference.h"

#include <cmath>
#include <cstdlib>

namespace reference {

namespace {

void Store(LiteralDivisorTable& table, uint32_t& next, uint32_t value) {
  if (next >= table.size()) std::abort();
  table[next++] = value;
}

}  // namespace

uint32_t SquareRootTruncated(uint32_t n) {
  return static_cast<uint32_t>(std::sqrt(static_cast<double>(n)));
}

uint32_t BuildDivisorTable(uint32_t n, LiteralDivisorTable& table) {
  table.fill(0);
  uint32_t next = 0;
  Store(table, next, 1);
  const uint32_t root = SquareRootTruncated(n);
  for (uint32_t i = 2; i <= root; ++i) {
    if (n % i == 0) {
      Store(table, next, i);
      if (n / i != i) Store(table, next, n / i);
    }
  }
  Store(table, next, n);
  return next;
}

uint32_t TakeLargestDivisor(LiteralDivisorTable& table) {
  uint32_t best = 0;
  std::size_t bestSlot = 0;
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (table[slot] > best) {
      best = table[slot];
      bestSlot = slot;
    }
  }
  table[bestSlot] = 0;
  return best;
}

}  // namespace reference
