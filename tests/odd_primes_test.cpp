// The table trial division runs on: exactly the odd primes the literal test
// finds below 2^16, in order, each with a working divisibility test: n is a
// multiple of p exactly when n * inverse is at most limit, giving n / p.
#include "ops/odd_primes.h"

#include <gtest/gtest.h>

#include "tests/reference/prime_factors_reference.h"

namespace {

TEST(OddPrimes, AreTheOddPrimesBelow65536InOrderEachTellingItsMultiples) {
  std::size_t k = 0;
  for (uint32_t m = 3; m < 65536; m += 2) {
    if (!reference::IsPrime(m)) continue;
    const OddPrime& p = OddPrimes().at(k++);
    ASSERT_EQ(p.prime, m);
    ASSERT_EQ(p.square, m * m);
    // The last is the non-multiple whose product is limit + 1, the first past the multiples.
    for (const uint32_t n : {m, 4294967295u / m * m, m + 2, 4294967295u, m - 1 - 4294967295u % m}) {
      ASSERT_EQ(n * p.inverse <= p.limit, n % m == 0) << n << " by " << m;
      ASSERT_TRUE(n % m != 0 || n * p.inverse == n / m) << n << " by " << m;
    }
  }
  EXPECT_EQ(k, OddPrimes().size());
}

}  // namespace
