// The bit-combination finder: 2 to the power n, the number of combinations of
// n binary digits, written out in full under the program's banner.
#pragma once

#include <cstdint>
#include <string>

// Inputs above this, taken unsigned (every negative one too), are refused.
inline constexpr uint32_t kMostBits = 262'144;

// The whole result text for n: the banner, then 2^n in decimal with "," between
// groups of three digits, or the refusal of a too large n. For n = 0 the
// heading stands with no digits after it.
std::string FindBitCombinations(int32_t n);

