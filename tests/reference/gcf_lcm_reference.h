// The GCF/LCM result text as first written: the divisors of the first number
// taken from the largest down until one stands in the table of the second,
// and the multiples of the larger number stepped through up to 4,000,000,000.
// Both numbers non-zero, used as their unsigned 32-bit values, each with at
// most 1,000 divisors.
#pragma once

#include <cstdint>
#include <string>

namespace reference {

std::string WriteGcfLcm(int32_t first, int32_t second);

}  // namespace reference
