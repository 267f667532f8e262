// The greatest common factor and least common multiple of two numbers.
#pragma once

#include <cstdint>
#include <string>

// The result field shows this while the numbers are read, and keeps it when
// they are refused.
inline constexpr const char* kGcfLcmBanner =
    "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n";
// The message box's text when either number is 0.
inline constexpr const char* kZeroInputMessage = "\n\nInvalid Input, Cannot input Zero\n\n";

// Any LCM above this is reported as too large to calculate.
inline constexpr uint64_t kLcmCap = 4000000000u;

// The greatest number dividing both; FindGcf(0, b) is b.
uint32_t FindGcf(uint32_t a, uint32_t b);

// The least common multiple of a and b (both at least 1), exactly.
uint64_t FindLcm(uint32_t a, uint32_t b);

// The GCF line (or the relatively-prime line) and the LCM line (or the
// too-large sentence) for two non-zero numbers, computed on their magnitudes
// and written as read.
std::string WriteGcfLcm(int32_t first, int32_t second);
