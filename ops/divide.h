// The long division: the exact decimal expansion of a quotient with its
// repeating block marked, as the Divide button shows it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The long division gives up after this many steps without a recurring remainder.
inline constexpr std::size_t kDivisionSteps = 10'000;
// Stands before the repeating block: no-break space, "[", no-break space.
inline constexpr std::string_view kRepeatMarker = "\xA0[\xA0";
inline constexpr std::string_view kRepeatSuffix = " ] - Repeating";
inline constexpr std::string_view kDivideByZeroText = "Invalid Input, Cannot divide by Zero";

// The quotient written out: the integer part (unsigned), a point and the
// fractional digits. When a remainder recurs within kDivisionSteps steps, the
// digits before the repetition are followed by kRepeatMarker, one period of the
// repeating block and kRepeatSuffix (a terminating decimal repeats the block
// "0"); otherwise the text ends after exactly kDivisionSteps fractional digits,
// unmarked. A divisor of 0 gives kDivideByZeroText.
std::string DivideWithRepeat(uint32_t dividend, uint32_t divisor);
