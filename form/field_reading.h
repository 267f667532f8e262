// Reading a field's text as a whole number, the one rule every shell uses:
// leading spaces skipped, a "-" taken only by a signed reading, the digits that
// follow read, anything after them ignored. No digit, or a value out of range
// for the reading, gives 0: never a clamp, never a wrap-around.
#pragma once

#include <cstdint>
#include <string_view>

enum class Reading { Signed, Unsigned };

// A signed result comes back as its 32-bit pattern (-7 as 4294967289).
uint32_t ReadFieldNumber(std::string_view text, Reading reading);
