// Reading a field's text as a whole number, the one rule every shell uses:
// leading spaces skipped, a "-" taken only by a signed reading, the digits that
// follow read, anything after them ignored. No digit, or a value out of range
// for the reading, gives 0: never a clamp, never a wrap-around.
#pragma once

#include <cstdint>
#include <string_view>

enum class Reading { Signed, Unsigned };

// The numbers a reading can hold, both ends included.
struct NumberRange {
  int64_t lowest;
  int64_t highest;
};

inline constexpr NumberRange RangeOf(Reading reading) {
  return reading == Reading::Signed ? NumberRange{-2147483647, 2147483647}
                                    : NumberRange{0, 4294967295};
}

// A signed result comes back as its 32-bit pattern (-7 as 4294967289).
uint32_t ReadFieldNumber(std::string_view text, Reading reading);

// The number as the field holds it: after the leading spaces, a "-" that
// stands before a digit and the digits that follow ("-0099" in "  -0099x").
// Empty when no digit follows.
std::string_view TypedNumber(std::string_view text);

// The number a field's text reads as, with its sign: ReadFieldNumber's pattern
// taken back to a value (-7, not 4294967289).
int64_t ReadFieldValue(std::string_view text, Reading reading);

// Whether the field holds a number that its reading cannot: beyond the
// reading's range, or, read unsigned, below 0 (-0 is 0). ReadFieldNumber gives
// 0 for such a text, so a calculation must refuse it rather than take the 0.
bool IsOutOfRange(std::string_view text, Reading reading);
