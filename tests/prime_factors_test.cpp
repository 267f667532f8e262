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
