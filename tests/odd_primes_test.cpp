// The table trial division runs on, made at start: exactly the odd primes the
// literal test finds below 2^16, in order, each with a working divisibility test.
#include "ops/odd_primes.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/reference/prime_factors_reference.h"

namespace {

TEST(OddPrimes, AreTheOddPrimesBelow65536InOrder) {
  std::vector<uint32_t> literal;
  for (uint32_t m = 3; m < 65536; m += 2) {
    if (reference::IsPrime(m)) literal.push_back(m);
  }
  std::vector<uint32_t> made;
  for (const OddPrime& p : OddPrimes()) made.push_back(p.prime);
  EXPECT_EQ(made, literal);
}

// n is a multiple of p exactly when n * inverse is at most limit, giving n / p.
TEST(OddPrimes, EachTellsItsMultiplesAndTheirQuotients) {
  for (const OddPrime& p : OddPrimes()) {
    ASSERT_EQ(p.square, p.prime * p.prime) << p.prime;
    for (const uint32_t n : {p.prime, 4294967295u / p.prime * p.prime, p.prime + 2, 4294967295u}) {
      const uint32_t product = n * p.inverse;
      ASSERT_EQ(product <= p.limit, n % p.prime == 0) << n << " by " << p.prime;
      if (n % p.prime == 0) {
        ASSERT_EQ(product, n / p.prime) << n << " by " << p.prime;
      }
    }
  }
}

}  // namespace
