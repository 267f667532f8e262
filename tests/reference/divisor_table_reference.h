// The divisor table as first written: trial division up to the square root
// into 1,000 slots, emptied by scanning for the largest value. Defined for
// numbers with at most 1,000 divisors; a number with more throws instead of
// writing past the table.
#pragma once

#include <array>
#include <cstdint>

namespace reference {

using LiteralDivisorTable = std::array<uint32_t, 1000>;

// The double-precision square root truncated toward zero.
uint32_t SquareRootTruncated(uint32_t n);

uint32_t BuildDivisorTable(uint32_t n, LiteralDivisorTable& table);
uint32_t TakeLargestDivisor(LiteralDivisorTable& table);

}  // namespace reference
