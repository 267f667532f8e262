#include "ops/decimal_power.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using Limbs = std::vector<uint32_t>;

// Row by row, every carry settled on the spot: slow and plain.
Limbs SquarePlainly(const Limbs& a) {
  Limbs square(2 * a.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    uint64_t carry = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
      const uint64_t t = square[i + j] + uint64_t{a[i]} * a[j] + carry;
      square[i + j] = static_cast<uint32_t>(t % kLimbBase);
      carry = t / kLimbBase;
    }
    square[i + a.size()] = static_cast<uint32_t>(carry);
  }
  return square;
}

uint32_t RaiseModulo(uint32_t base, uint32_t exponent, uint32_t modulus) {
  uint64_t result = 1;
  uint64_t power = base % modulus;
  for (; exponent != 0; exponent >>= 1) {
    if ((exponent & 1) != 0) result = result * power % modulus;
    power = power * power % modulus;
  }
  return static_cast<uint32_t>(result);
}

uint32_t ReduceModulo(const Limbs& limbs, uint32_t modulus) {
  uint64_t value = 0;
  for (std::size_t i = limbs.size(); i-- > 0;) value = (value * kLimbBase + limbs[i]) % modulus;
  return static_cast<uint32_t>(value);
}

TEST(SquareInBillions, SettlesTheLongestCarriesOfAllNines) {
  // (B^m − 1)² = B^2m − 2 · B^m + 1: a 1, m − 1 zeros, 999999998, then nines.
  // Both halves are equal at every split, so the difference squared is 0.
  std::vector<std::size_t> sizes;
  for (std::size_t m = 1; m <= 160; ++m) sizes.push_back(m);
  for (std::size_t m : {255u, 256u, 511u, 1000u, 4385u}) sizes.push_back(m);
  for (std::size_t m : sizes) {
    SCOPED_TRACE("limbs: " + std::to_string(m));
    Limbs expected(2 * m, kLimbBase - 1);
    expected[0] = 1;
    for (std::size_t i = 1; i < m; ++i) expected[i] = 0;
    expected[m] = kLimbBase - 2;
    EXPECT_EQ(SquareInBillions(Limbs(m, kLimbBase - 1)), expected);
  }
}

TEST(SquareInBillions, MatchesThePlainSquareOfRandomLimbs) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<uint32_t> anyLimb(0, kLimbBase - 1);
  std::vector<std::size_t> sizes;
  for (std::size_t m = 1; m <= 150; ++m) sizes.push_back(m);
  for (std::size_t m : {255u, 256u, 257u, 500u, 1023u, 2049u}) sizes.push_back(m);
  for (std::size_t m : sizes) {
    SCOPED_TRACE("limbs: " + std::to_string(m));
    Limbs a(m);
    for (uint32_t& limb : a) limb = anyLimb(random);
    EXPECT_EQ(SquareInBillions(a), SquarePlainly(a));
    // Runs of zeros and of nines in one half give long borrows in the difference.
    for (std::size_t i = 0; i < m / 2; ++i) a[i] = i % 7 < 4 ? 0 : kLimbBase - 1;
    EXPECT_EQ(SquareInBillions(a), SquarePlainly(a));
  }
}

TEST(SquareInBillions, GivesNothingForNothing) {
  EXPECT_TRUE(SquareInBillions({}).empty());
}

TEST(RaiseTwoInBillions, WritesSmallPowersInLimbs) {
  EXPECT_EQ(RaiseTwoInBillions(0), Limbs{1});
  EXPECT_EQ(RaiseTwoInBillions(1), Limbs{2});
  EXPECT_EQ(RaiseTwoInBillions(29), Limbs{536870912});
  EXPECT_EQ(RaiseTwoInBillions(30), (Limbs{73741824, 1}));
  EXPECT_EQ(RaiseTwoInBillions(64), (Limbs{709551616, 446744073, 18}));
  EXPECT_EQ(RaiseTwoInBillions(100), (Limbs{703205376, 229401496, 650600228, 1267}));
}

TEST(RaiseTwoInBillions, AgreesWithTwoToTheNModuloPrimes) {
  std::vector<uint32_t> exponents;
  for (uint32_t n = 1; n <= 262'144; n += 1999) exponents.push_back(n);
  for (uint32_t k = 5; k <= 18; ++k) {
    for (uint32_t n : {(1u << k) - 1, 1u << k, (1u << k) + 1}) exponents.push_back(n);
  }
  for (uint32_t n : exponents) {
    SCOPED_TRACE("n: " + std::to_string(n));
    const Limbs power = RaiseTwoInBillions(n);
    ASSERT_NE(power.back(), 0u);
    for (uint32_t limb : power) ASSERT_LT(limb, kLimbBase);
    for (uint32_t prime : {2'147'483'647u, 1'000'000'007u, 998'244'353u}) {
      EXPECT_EQ(ReduceModulo(power, prime), RaiseModulo(2, n, prime)) << "modulo " << prime;
    }
  }
}

}  // namespace
