// The list of every factor of a number, largest first.
#pragma once

#include <cstdint>
#include <string>

// The header with the number as read, an empty line, then every divisor of its
// magnitude from the largest down, each followed by "\r\n". 0 and 1 (and -1)
// are answered by fixed texts without a line end after the factor.
std::string WriteAllFactors(int32_t number);
