// Exact powers of two held in decimal: base one billion, nine decimal digits to
// a limb, least significant limb first. Held this way, the decimal text comes
// limb by limb with no conversion of the whole number at the end.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

inline constexpr uint32_t kLimbBase = 1'000'000'000;
inline constexpr int kDigitsPerLimb = 9;

// 2 to the power n. The most significant limb is never 0.
std::vector<uint32_t> RaiseTwoInBillions(uint32_t n);

// The square of a number of at most 290,000 limbs, each below kLimbBase:
// 2 · a.size() limbs, the top ones 0 where the square is shorter.
std::vector<uint32_t> SquareInBillions(std::span<const uint32_t> a);
