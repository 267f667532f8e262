#include "ops/prime_factors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "tests/reference/differential.h"
#include "tests/reference/prime_factors_reference.h"
#include "tests/single_number_press.h"

namespace {

std::string Heading(const std::string& number) {
  return "The prime factorization of " + number + " is:\r\n\r\n";
}

std::string PressPrimeFactors(const std::string& field) {
  return PressWithSingleNumber(IDC_PRIME_FACTORS, field);
}

// The factorization as the literal factor list holds it: empty for 0, 1 and
// primes, otherwise the distinct primes and then their further copies.
std::vector<PrimePower> PowersFromLiteralList(uint32_t n) {
  const std::vector<uint32_t> list = reference::BuildPrimeFactorList(n);
  std::vector<PrimePower> powers;
  for (std::size_t i = 0; list[i] != 0; ++i) {
    bool counted = false;
    for (PrimePower& power : powers) {
      if (power.prime == list[i]) {
        ++power.exponent;
        counted = true;
      }
    }
    if (!counted) powers.push_back({list[i], 1});
  }
  if (powers.empty() && n >= 2) powers.push_back({n, 1});
  return powers;
}

std::vector<PrimePower> PowersOf(uint32_t n) {
  const PrimeFactorList list = BuildPrimeFactorList(n);
  return {list.factors.begin(), list.factors.begin() + static_cast<std::ptrdiff_t>(list.count)};
}

std::string Describe(const std::vector<PrimePower>& powers) {
  std::string text;
  for (const PrimePower& power : powers) {
    text += std::to_string(power.prime) + "^" + std::to_string(power.exponent) + " ";
  }
  return text;
}

struct FactorLineCase {
  const char* field;
  const char* number;
  const char* line;
};

TEST(PrimeFactorization, WritesTheHeadingAndFactorLineOfEachEdgeCase) {
  const FactorLineCase cases[] = {
      {"0", "0", " 0^1"},
      {"", "0", " 0^1"},
      {"abc", "0", " 0^1"},
      {"2147483648", "0", " 0^1"},
      {"-2147483648", "0", " 0^1"},
      {"1", "1", " 1^1"},
      {"2", "2", " 2^1"},
      {"13", "13", " 13^1"},
      {"2147483647", "2147483647", " 2147483647^1"},
      {"4", "4", " 2^2 "},
      {"49", "49", " 7^2 "},
      {"12", "12", " 2^2 * 3 "},
      {"360", "360", " 2^3 * 3^2 * 5 "},
      {"1024", "1024", " 2^10 "},
      {"1001", "1001", " 7 * 11 * 13 "},
      {"10201", "10201", " 101^2 "},
      {"20402", "20402", " 2 * 101^2 "},
      {"2611456", "2611456", " 2^8 * 101^2 "},
      {"223092870", "223092870", " 2 * 3 * 5 * 7 * 11 * 13 * 17 * 19 * 23 "},
      {"1073741824", "1073741824", " 2^30 "},
      {"2147395600", "2147395600", " 2^4 * 5^2 * 7^2 * 331^2 "},
  };
  for (const FactorLineCase& c : cases) {
    SCOPED_TRACE(std::string("field: \"") + c.field + "\"");
    EXPECT_EQ(PressPrimeFactors(c.field), Heading(c.number) + c.line);
  }
  EXPECT_EQ(PressPrimeFactors("12"), "The prime factorization of 12 is:\r\n\r\n 2^2 * 3 ");
  EXPECT_EQ(PressPrimeFactors("13"), "The prime factorization of 13 is:\r\n\r\n 13^1");
}

TEST(PrimeFactorization, FactorsTheMagnitudeOfANegativeNumberAfterMinusOne) {
  const FactorLineCase cases[] = {
      {"-12", "-12", " -1 * 2^2 * 3 "},
      {"-5", "-5", " -1 * 5^1"},
      {"-1", "-1", " -1^1"},
      {"-2", "-2", " -1 * 2^1"},
      {"-4", "-4", " -1 * 2^2 "},
      {"-360", "-360", " -1 * 2^3 * 3^2 * 5 "},
      {"-2147483647", "-2147483647", " -1 * 2147483647^1"},
      {" -1073741824x", "-1073741824", " -1 * 2^30 "},
  };
  for (const FactorLineCase& c : cases) {
    SCOPED_TRACE(std::string("field: \"") + c.field + "\"");
    EXPECT_EQ(PressPrimeFactors(c.field), Heading(c.number) + c.line);
  }
}

TEST(PrimeFactorization, GivesTheSameTextOnASecondPress) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, "2146654199");
  DispatchCommand(dialog, IDC_PRIME_FACTORS, Notification::Clicked);
  DispatchCommand(dialog, IDC_PRIME_FACTORS, Notification::Clicked);
  ASSERT_EQ(form.Events().size(), 2u);
  EXPECT_EQ(form.Events()[0], form.Events()[1]);
  EXPECT_EQ(form.FieldText(IDC_RESULT), Heading("2146654199") + " 46327 * 46337 ");
}

TEST(IsPrime, SettlesSmallPrimesSquaresAndPseudoprimes) {
  for (uint32_t prime : {2u, 3u, 97u, 101u, 139u, 149u, 65537u, 2147483647u, 4294967291u}) {
    EXPECT_TRUE(IsPrime(prime)) << prime;
  }
  // Squares of primes, Carmichael numbers, and strong pseudoprimes to base 2
  // and to several small bases at once.
  for (uint32_t composite :
       {0u,    1u,        4u,          9u,          99u,         10201u,     10403u, 19321u,
        561u,  1105u,     41041u,      825265u,     321197185u,  2047u,      3277u,  4033u,
        4681u, 25326001u, 3215031751u, 4293001441u, 4294967295u, 2147483649u}) {
    EXPECT_FALSE(IsPrime(composite)) << composite;
  }
}

TEST(IsPrime, AgreesWithTrialDivisionUpTo100000AndNearTheTop) {
  for (uint32_t m = 2; m <= 100000; ++m) ASSERT_EQ(IsPrime(m), reference::IsPrime(m)) << m;
  // Odd numbers just below 2^31 and 2^32: trial division takes tens of
  // microseconds for each prime among them.
  const uint32_t span = 2000 / reference::kCaseStride;
  for (uint32_t top : {2147483647u, 4294967295u}) {
    for (uint32_t m = top; m > top - span; m -= 2) {
      ASSERT_EQ(IsPrime(m), reference::IsPrime(m)) << m;
    }
  }
}

TEST(BuildPrimeFactorList, ListsEachPrimeOnceWithItsExponentSmallestFirst) {
  EXPECT_EQ(BuildPrimeFactorList(0).count, 0u);
  EXPECT_EQ(BuildPrimeFactorList(1).count, 0u);
  const std::vector<PrimePower> expected360{{2, 3}, {3, 2}, {5, 1}};
  EXPECT_EQ(PowersOf(360), expected360);
  const std::vector<PrimePower> expectedPrime{{4294967291u, 1}};
  EXPECT_EQ(PowersOf(4294967291u), expectedPrime);
  const std::vector<PrimePower> expectedTop{{3, 1}, {5, 1}, {17, 1}, {257, 1}, {65537, 1}};
  EXPECT_EQ(PowersOf(4294967295u), expectedTop);
  const std::vector<PrimePower> expectedPower{{2, 31}};
  EXPECT_EQ(PowersOf(2147483648u), expectedPower);
  const std::vector<PrimePower> expectedSquare{{65521, 2}};
  EXPECT_EQ(PowersOf(4293001441u), expectedSquare);
  const std::vector<PrimePower> expectedNine{{2, 1},  {3, 1},  {5, 1},  {7, 1}, {11, 1},
                                             {13, 1}, {17, 1}, {19, 1}, {23, 1}};
  EXPECT_EQ(PowersOf(223092870u), expectedNine);
}

TEST(BuildPrimeFactorList, MultipliesBackToEveryRandom32BitNumber) {
  reference::NumberStream random(7u);
  for (int k = 0; k < 200000; ++k) {
    const uint32_t n = random.Next();
    uint64_t product = 1;
    uint32_t previous = 1;
    for (const PrimePower& power : PowersOf(n)) {
      ASSERT_GT(power.prime, previous) << n;
      ASSERT_GE(power.exponent, 1u) << n;
      for (uint32_t e = 0; e < power.exponent; ++e) product *= power.prime;
      previous = power.prime;
    }
    ASSERT_EQ(product, n < 2 ? 1 : n) << n;
  }
}

// Numbers whose factors all lie far from the small primes: products of two
// primes near the square roots of 2^31 and 2^32, their squares, and the primes
// just below 2^31 and 2^32.
std::vector<uint32_t> HardNumbers() {
  std::vector<uint32_t> primesNear46341;
  std::vector<uint32_t> primesNear65536;
  for (uint32_t m = 46340; primesNear46341.size() < 8; --m) {
    if (reference::IsPrime(m)) primesNear46341.push_back(m);
  }
  for (uint32_t m = 65535; primesNear65536.size() < 8; --m) {
    if (reference::IsPrime(m)) primesNear65536.push_back(m);
  }
  std::vector<uint32_t> numbers;
  for (const auto* primes : {&primesNear46341, &primesNear65536}) {
    for (uint32_t p : *primes) {
      for (uint32_t q : *primes) {
        if (p <= q) numbers.push_back(p * q);
      }
    }
  }
  for (uint32_t p : {46349u, 46351u, 46381u, 65537u, 65539u}) {
    for (uint32_t q : {46307u, 46309u, 46327u, 65521u, 3u, 2u}) {
      if (static_cast<uint64_t>(p) * q <= 0xFFFFFFFFu) numbers.push_back(p * q);
    }
  }
  for (uint32_t top : {2147483647u, 4294967295u}) {
    for (uint32_t m = top, found = 0; found < 4; m -= 2) {
      if (reference::IsPrime(m)) {
        numbers.push_back(m);
        ++found;
      }
    }
  }
  return numbers;
}

TEST(BuildPrimeFactorList, AgreesWithTheLiteralListOnHardAndRandom32BitNumbers) {
  std::vector<uint32_t> numbers = HardNumbers();
  reference::NumberStream random(11u);
  for (uint32_t k = 0; k < 1000 / reference::kCaseStride; ++k) numbers.push_back(random.Next());
  for (uint32_t n : numbers) {
    ASSERT_EQ(Describe(PowersOf(n)), Describe(PowersFromLiteralList(n))) << n;
  }
}

TEST(PrimeFactorization, WritesTheLiteralTextForEveryNumberUpTo100000) {
  for (int32_t n = 0; n <= 100000; n += static_cast<int32_t>(reference::kCaseStride)) {
    ASSERT_EQ(WritePrimeFactorization(n), reference::WritePrimeFactorization(n)) << n;
  }
}

TEST(PrimeFactorization, WritesTheLiteralTextForHardAndRandom31BitNumbers) {
  std::vector<uint32_t> numbers;
  for (uint32_t n : HardNumbers()) {
    if (n <= 2147483647u) numbers.push_back(n);
  }
  reference::NumberStream random(13u);
  for (uint32_t k = 0; k < 1000 / reference::kCaseStride; ++k) numbers.push_back(random.Next31());
  for (uint32_t n : numbers) {
    const auto number = static_cast<int32_t>(n);
    ASSERT_EQ(WritePrimeFactorization(number), reference::WritePrimeFactorization(number)) << n;
  }
}

}  // namespace
