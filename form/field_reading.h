// Reading a field's text as a whole number, the one rule every shell uses:
// leading spaces skipped, a "-" taken before the digits that follow, those
// digits read, anything after them ignored. No digit reads as 0: never a
// clamp, never a wrap-around.
#pragma once

#include <cstdint>
#include <optional>
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

// The number the field's text reads as, with its sign; none when it holds a
// number the reading cannot: beyond the reading's range, or, read unsigned,
// below 0 (-0 is 0). The form itself would read such a text as 0, a number
// the user never typed, so a calculation refuses it instead.
std::optional<int64_t> ReadFieldValue(std::string_view text, Reading reading);

// The number as the field holds it: after the leading spaces, a "-" that
// stands before a digit and the digits that follow ("-0099" in "  -0099x").
// Empty when no digit follows.
std::string_view TypedNumber(std::string_view text);
