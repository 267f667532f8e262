#include "ops/odd_primes.h"

#include <bitset>
#include <cstdint>

void MakeOddPrimes(OddPrimeTable& primes) {
  // Bit i stands for the odd number 2i + 1; only odd multiples are crossed out.
  std::bitset<kOddPrimesBelow / 2> composite;
  std::size_t count = 0;
  for (uint32_t p = 3; p < kOddPrimesBelow; p += 2) {
    if (composite[p / 2]) continue;
    primes[count++] = {p, InverseModulo2To32(p), UINT32_MAX / p, p * p};
    for (uint32_t multiple = p * p; multiple < kOddPrimesBelow; multiple += 2 * p) {
      composite[multiple / 2] = true;
    }
  }
}

namespace {

// Filled in place: the table is too large for a stack frame.
struct MadeOddPrimes {
  OddPrimeTable table;
  MadeOddPrimes() : table() { MakeOddPrimes(table); }
};

}  // namespace

const OddPrimeTable& OddPrimes() {
  // Made on first use rather than as a namespace-scope object: a program that
  // factorizes from a static initializer of its own may run it before this
  // file's, and would find the table still zeros.
  alignas(kOddPrimeAlignment) static const MadeOddPrimes kMade;
  return kMade.table;
}
