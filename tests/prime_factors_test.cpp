// The prime factorization under its heading: each prime with its exponent, a
// negative number's after minus one; checked against the literal steps.
#include "ops/prime_factors.h"

#include "tests/press.h"
#include "tests/reference/differential.h"
#include "tests/reference/prime_factors_reference.h"

namespace {

PressCase Factorize(const char* name, const char* field, const char* line) {
  return {name, "prime-factors", Texts{field},
          "The prime factorization of " + std::string(field) + " is:\r\n\r\n" + line};
}

// Those of 0 and above are held to the literal steps below.
const PressCase kCases[] = {
    Factorize("PowersAndProducts", "360", " 2^3 * 3^2 * 5 "),
    Factorize("ANegativeNumber", "-12", " -1 * 2^2 * 3 "),
    Factorize("MinusOne", "-1", " -1^1"),
    Factorize("TheSmallestNumber", "-2147483647", " -1 * 2147483647^1"),
};
INSTANTIATE_TEST_SUITE_P(PrimeFactors, Press, testing::ValuesIn(kCases), CaseName);

// Primes, Carmichael numbers and strong pseudoprimes to several bases at once,
// across the 32-bit range: each list must multiply back and hold only primes.
TEST(PrimeFactorList, SettlesPrimesAndPseudoprimesAcrossThe32BitRange) {
  for (uint32_t n : {65537u, 4294967291u, 825265u, 321197185u, 25326001u, 3215031751u, 4293001441u,
                     4294967295u, 2147483649u, 10403u, 19321u}) {
    const PrimeFactorList list = BuildPrimeFactorList(n);
    uint64_t product = 1;
    for (std::size_t i = 0; i < list.count; ++i) {
      EXPECT_TRUE(reference::IsPrime(list.factors[i].prime)) << n;
      for (uint32_t e = 0; e < list.factors[i].exponent; ++e) product *= list.factors[i].prime;
    }
    EXPECT_EQ(product, n);
  }
}

// Every number the primality test is asked about, held to a sieve, which
// takes some minutes: run it with --gtest_also_run_disabled_tests after
// changing the test. Each odd number from 149^2 on with no prime factor up to
// 139 must be found prime exactly when the sieve leaves it.
TEST(PrimeFactorList, DISABLED_FindsThePrimesWithoutSmallFactorsOverThe32BitRange) {
  std::vector<uint32_t> primes;
  for (uint32_t p = 3; p < 65536; p += 2) {
    if (reference::IsPrime(p)) primes.push_back(p);
  }
  constexpr std::size_t kBlock = std::size_t{1} << 24;
  std::vector<bool> composite(kBlock / 2);  // the odd numbers of the block
  std::vector<bool> smallFactor(kBlock / 2);
  for (uint64_t low = 0; low < (uint64_t{1} << 32); low += kBlock) {
    composite.assign(kBlock / 2, false);
    smallFactor.assign(kBlock / 2, false);
    const auto slot = [low](uint64_t m) { return static_cast<std::size_t>((m - low) / 2); };
    for (const uint64_t p : primes) {
      const uint64_t multiple = (low + p - 1) / p * p;  // the first in the block
      const uint64_t oddMultiple = multiple % 2 == 0 ? multiple + p : multiple;
      for (uint64_t m = std::max(p * p, oddMultiple); m < low + kBlock; m += 2 * p) {
        composite[slot(m)] = true;
        if (p <= 139) smallFactor[slot(m)] = true;
      }
    }
    for (uint64_t m = std::max<uint64_t>(low + 1, 149 * 149); m < low + kBlock; m += 2) {
      if (smallFactor[slot(m)]) continue;
      const PrimeFactorList list = BuildPrimeFactorList(static_cast<uint32_t>(m));
      ASSERT_EQ(list.count == 1 && list.factors[0].exponent == 1, !composite[slot(m)]) << m;
    }
  }
}

// Numbers whose factors all lie far from the small primes: products of two
// primes near the square root of 2^31, and the primes just below 2^31.
TEST(PrimeFactorization, WritesTheLiteralTextUpTo100000AndForHardAndRandom31BitNumbers) {
  std::vector<uint32_t> numbers;
  for (uint32_t m = 46340, found = 0; found < 8; --m) {
    if (!reference::IsPrime(m)) continue;
    for (uint32_t p : {46349u, 46351u, 46381u, 65537u, 65539u, m}) {
      if (uint64_t{p} * m <= 2147483647u) numbers.push_back(p * m);
    }
    ++found;
  }
  for (uint32_t m = 2147483647u, found = 0; found < 4; m -= 2) {
    if (reference::IsPrime(m)) {
      numbers.push_back(m);
      ++found;
    }
  }
  for (uint32_t n = 0; n <= 100000; n += reference::kCaseStride) numbers.push_back(n);
  reference::NumberStream random(13u);
  for (uint32_t k = 0; k < 1000 / reference::kCaseStride; ++k) numbers.push_back(random.Next31());
  for (const uint32_t n : numbers) {
    const auto number = static_cast<int32_t>(n);
    ASSERT_EQ(WritePrimeFactorization(number), reference::WritePrimeFactorization(number)) << n;
  }
}

}  // namespace
