// The divisors of one number in a fixed table, found from its prime factors.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// No 32-bit number has more than 1,920 divisors (3,491,888,400 has that many;
// below 2^31 the most is 1,600), so no table of this size ever overflows.
inline constexpr std::size_t kDivisorTableSlots = 1920;
using DivisorTable = std::array<uint32_t, kDivisorTableSlots>;

// Every divisor of n (n at least 1) once, in increasing order, from slot 0.
// Returns how many; the slots after them are left as they were.
std::size_t ListDivisors(uint32_t n, DivisorTable& divisors);
