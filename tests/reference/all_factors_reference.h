// The all-factors text as first written: the divisor table emptied from the
// largest value down into a 10,000-byte buffer. For non-negative numbers with
// at most 1,000 divisors.
#pragma once

#include <cstdint>
#include <string>

namespace reference {

std::string WriteAllFactors(int32_t number);

}  // namespace reference
