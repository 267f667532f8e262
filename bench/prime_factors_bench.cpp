// Prime factorization, ours beside the literal reference: the text for the
// field values that cost most (the largest prime, the square of the largest
// prime below its square root, a product of two primes near it), the factor
// list of the worst 32-bit values (the square and the product of the two
// largest primes below 2^16), and random 32-bit values. And the making of the
// table of odd primes that trial division runs on, done once at start, beside
// finding the same primes by the literal test.
#include <cstdint>
#include <string>
#include <vector>

#include "bench/comparison.h"
#include "ops/odd_primes.h"
#include "ops/prime_factors.h"
#include "tests/reference/differential.h"
#include "tests/reference/prime_factors_reference.h"

namespace {

std::vector<uint32_t> RandomValues() {
  reference::NumberStream random(41u);
  std::vector<uint32_t> values(1u << 16);
  for (uint32_t& value : values) value = random.Next();
  return values;
}

// One value of a fixed stream of random 32-bit values per call.
template <typename Factor>
auto OverRandomValues(Factor factor) {
  return [factor, values = RandomValues(), next = std::size_t{0}]() mutable {
    next = (next + 1) % values.size();
    return factor(values[next]);
  };
}

// The literal way to the same table: each odd number tested by trial division.
std::size_t FindOddPrimesLiterally(OddPrimeTable& primes) {
  std::size_t count = 0;
  for (uint32_t m = 3; m < kOddPrimesBelow; m += 2) {
    if (reference::IsPrime(m)) primes[count++] = {m, InverseModulo2To32(m), UINT32_MAX / m, m * m};
  }
  return count;
}

const bool kRegistered = [] {
  static OddPrimeTable table;
  RegisterComparison(
      "odd primes below 2^16, table made",
      [] {
        MakeOddPrimes(table);
        return table[0].prime;
      },
      [] { return FindOddPrimesLiterally(table); });
  for (const int32_t n : {2147483647, 2147117569, 2146654199}) {
    RegisterComparison(
        "prime factors " + std::to_string(n), [n] { return WritePrimeFactorization(n); },
        [n] { return reference::WritePrimeFactorization(n); });
  }
  for (const uint32_t n : {4293001441u, 4292870399u}) {
    RegisterComparison(
        "prime factor list " + std::to_string(n), [n] { return BuildPrimeFactorList(n); },
        [n] { return reference::BuildPrimeFactorList(n); });
  }
  RegisterComparison(
      "prime factor list, random 32-bit values",
      OverRandomValues([](uint32_t n) { return BuildPrimeFactorList(n); }),
      OverRandomValues([](uint32_t n) { return reference::BuildPrimeFactorList(n); }));
  // A number field holds at most 31 bits: the text takes each value's upper 31.
  RegisterComparison("prime factors text, random 31-bit values", OverRandomValues([](uint32_t n) {
                       return WritePrimeFactorization(static_cast<int32_t>(n >> 1));
                     }),
                     OverRandomValues([](uint32_t n) {
                       return reference::WritePrimeFactorization(static_cast<int32_t>(n >> 1));
                     }));
  return true;
}();

}  // namespace
