#include "ops/prime_factors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/press.h"
#include "tests/reference/differential.h"
#include "tests/reference/prime_factors_reference.h"

namespace {

struct FactorLineCase {
  const char* field;
  const char* number;  // as the heading shows it
  const char* line;
};

TEST(PrimeFactorization, WritesTheHeadingAndTheFactorLine) {
  const FactorLineCase cases[] = {
      {"0", "0", " 0^1"}, {"", "0", " 0^1"}, {"abc", "0", " 0^1"},
      {"1", "1", " 1^1"}, {"2", "2", " 2^1"}, {"13", "13", " 13^1"},
      {"2147483647", "2147483647", " 2147483647^1"},
      {"4", "4", " 2^2 "}, {"49", "49", " 7^2 "}, {"12", "12", " 2^2 * 3 "},
      {"360", "360", " 2^3 * 3^2 * 5 "}, {"1024", "1024", " 2^10 "},
      {"1001", "1001", " 7 * 11 * 13 "}, {"10201", "10201", " 101^2 "},
      {"20402", "20402", " 2 * 101^2 "}, {"2611456", "2611456", " 2^8 * 101^2 "},
      {"223092870", "223092870", " 2 * 3 * 5 * 7 * 11 * 13 * 17 * 19 * 23 "},
      {"1073741824", "1073741824", " 2^30 "},
      {"2147395600", "2147395600", " 2^4 * 5^2 * 7^2 * 331^2 "},
      // A negative number: its magnitude's factors after minus one.
      {"-12", "-12", " -1 * 2^2 * 3 "}, {"-5", "-5", " -1 * 5^1"}, {"-1", "-1", " -1^1"},
      {"-2147483647", "-2147483647", " -1 * 2147483647^1"},
      {" -1073741824x", "-1073741824", " -1 * 2^30 "},
  };
  for (const FactorLineCase& c : cases) {
    EXPECT_EQ(OnlyWrite(IDC_PRIME_FACTORS, {{IDC_SINGLE_NUMBER, c.field}}),
              std::string("The prime factorization of ") + c.number + " is:\r\n\r\n" + c.line)
        << "field: \"" << c.field << "\"";
  }
}

// Primes, Carmichael numbers and strong pseudoprimes to several bases at once:
// each factor list must multiply back to the number and hold only primes.
TEST(PrimeFactorList, SettlesPrimesAndPseudoprimesAcrossThe32BitRange) {
  for (uint32_t n : {2u, 97u, 139u, 149u, 65537u, 2147483647u, 4294967291u, 561u, 1105u,
                     41041u, 825265u, 321197185u, 2047u, 3277u, 4033u, 4681u, 25326001u,
                     3215031751u, 4293001441u, 4294967295u, 2147483649u, 10403u, 19321u}) {
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
std::vector<uint32_t> HardNumbers() {
  std::vector<uint32_t> primes;
  for (uint32_t m = 46340; primes.size() < 8; --m) {
    if (reference::IsPrime(m)) primes.push_back(m);
  }
  std::vector<uint32_t> numbers;
  for (std::size_t i = 0; i < primes.size(); ++i) {
    for (std::size_t j = i; j < primes.size(); ++j) numbers.push_back(primes[i] * primes[j]);
  }
  for (uint32_t p : {46349u, 46351u, 46381u, 65537u, 65539u}) {
    for (uint32_t q : {46307u, 46309u, 46327u, 3u, 2u}) {
      if (uint64_t{p} * q <= 2147483647u) numbers.push_back(p * q);
    }
  }
  for (uint32_t m = 2147483647u, found = 0; found < 4; m -= 2) {
    if (reference::IsPrime(m)) {
      numbers.push_back(m);
      ++found;
    }
  }
  return numbers;
}

TEST(PrimeFactorization, WritesTheLiteralTextUpTo100000AndForHardAndRandom31BitNumbers) {
  std::vector<uint32_t> numbers = HardNumbers();
  for (uint32_t n = 0; n <= 100000; n += reference::kCaseStride) numbers.push_back(n);
  reference::NumberStream random(13u);
  for (uint32_t k = 0; k < 1000 / reference::kCaseStride; ++k) numbers.push_back(random.Next31());
  for (const uint32_t n : numbers) {
    const auto number = static_cast<int32_t>(n);
    ASSERT_EQ(WritePrimeFactorization(number), reference::WritePrimeFactorization(number)) << n;
  }
}

}  // namespace
