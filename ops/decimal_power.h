// Exact powers of two held in decimal: base one billion, nine decimal digits to
// a limb, least significant limb first. Held this way, the decimal text comes
// limb by limb with no conversion of the whole number at the end.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr uint32_t kLimbBase = 1'000'000'000;
inline constexpr int kDigitsPerLimb = 9;

// 2 to the power n. The most significant limb is never 0.
std::vector<uint32_t> RaiseTwoInBillions(uint32_t n);
