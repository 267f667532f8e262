// The bit-combination finder: 2 to the power n, the number of combinations of
// n binary digits, written out in full under the program's banner.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Inputs above this, taken unsigned (every negative one too), are refused.
inline constexpr uint32_t kMostBits = 262'144;

// The whole result text for n: the banner, then 2^n in decimal with "," between
// groups of three digits (2^0 is 1), or the refusal of a too large n.
std::string FindBitCombinations(int32_t n);

// The banner and the refusal of a number of bits, written as given: for a
// number too large even to read.
std::string RefuseBitCombinations(std::string_view number);
