#include "ops/divisor_table.h"

#include <algorithm>

#include "ops/prime_factors.h"

namespace {

// Merges the increasing runs a and b · scale into out; returns the length.
// The runs share no value: every value of b · scale holds a prime that a lacks.
std::size_t MergeScaled(const uint32_t* a, std::size_t aCount, const uint32_t* b,
                        std::size_t bCount, uint32_t scale, uint32_t* out) {
  std::size_t i = 0;
  std::size_t j = 0;
  std::size_t k = 0;
  while (i < aCount && j < bCount) {
    const uint32_t scaled = b[j] * scale;
    if (a[i] < scaled) {
      out[k++] = a[i++];
    } else {
      out[k++] = scaled;
      ++j;
    }
  }
  while (i < aCount) out[k++] = a[i++];
  while (j < bCount) out[k++] = b[j++] * scale;
  return k;
}

}  // namespace

std::size_t ListDivisors(uint32_t n, DivisorTable& divisors) {
  const PrimeFactorList factors = BuildPrimeFactorList(n);
  divisors[0] = 1;
  std::size_t count = 1;

  // With the divisors D found so far and a further prime p of exponent e, the
  // divisors become D ∪ D·p ∪ … ∪ D·p^e, built as S = merge(D, S·p), e times.
  DivisorTable base;
  DivisorTable spare;
  for (std::size_t f = 0; f < factors.count; ++f) {
    const PrimePower& power = factors.factors[f];
    std::copy_n(divisors.begin(), count, base.begin());
    const std::size_t baseCount = count;
    uint32_t* current = divisors.data();
    uint32_t* next = spare.data();
    for (uint32_t e = 0; e < power.exponent; ++e) {
      count = MergeScaled(base.data(), baseCount, current, count, power.prime, next);
      std::swap(current, next);
    }
    if (current != divisors.data()) std::copy_n(current, count, divisors.begin());
  }
  return count;
}
