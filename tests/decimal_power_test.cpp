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

TEST(SquareInBillions, MatchesThePlainSquareOfAllNinesRandomLimbsAndLongBorrows) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<uint32_t> anyLimb(0, kLimbBase - 1);
  std::vector<std::size_t> sizes;
  for (std::size_t m = 1; m <= 160; ++m) sizes.push_back(m);
  // Up to half of 2^262,144's 8,769 limbs, the largest square the bits need.
  for (std::size_t m : {255u, 256u, 257u, 511u, 1000u, 1023u, 2049u, 4385u}) sizes.push_back(m);
  for (std::size_t m : sizes) {
    SCOPED_TRACE("limbs: " + std::to_string(m));
    // All nines: the longest carries, and halves equal at every split.
    Limbs a(m, kLimbBase - 1);
    EXPECT_EQ(SquareInBillions(a), SquarePlainly(a));
    for (uint32_t& limb : a) limb = anyLimb(random);
    EXPECT_EQ(SquareInBillions(a), SquarePlainly(a));
    // Runs of zeros and of nines in one half give long borrows in the difference.
    for (std::size_t i = 0; i < m / 2; ++i) a[i] = i % 7 < 4 ? 0 : kLimbBase - 1;
    EXPECT_EQ(SquareInBillions(a), SquarePlainly(a));
  }
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
    for (uint32_t prime : {2'147'483'647u, 1'000'000'007u, 998'244'353u}) {
      uint64_t value = 0;
      for (std::size_t i = power.size(); i-- > 0;) {
        ASSERT_LT(power[i], kLimbBase);
        value = (value * kLimbBase + power[i]) % prime;
      }
      uint64_t expected = 1;
      for (uint64_t base = 2, e = n; e != 0; e >>= 1, base = base * base % prime) {
        if ((e & 1) != 0) expected = expected * base % prime;
      }
      EXPECT_EQ(value, expected) << "modulo " << prime;
    }
  }
}

}  // namespace
