// The answers a command gives instead of computing: the texts for a number its
// field cannot hold, and how to tell any refusal from a result.
#pragma once

#include <string_view>

inline constexpr std::string_view kUnsignedRangeRefusal =
    "Invalid Input, Numbers from 0 to 4,294,967,295 only";
inline constexpr std::string_view kSignedRangeRefusal =
    "Invalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only";
// GCF/LCM says it in a message box.
inline constexpr const char* kSignedRangeMessage =
    "\n\nInvalid Input, Numbers from -2,147,483,647 to 2,147,483,647 only\n\n";

// Whether a text written to an output field refuses the input rather than
// answering it: a range refusal, the divide-by-zero text, or a Bits refusal.
bool IsRefusalText(std::string_view text);
