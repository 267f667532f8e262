// The greatest common factor and least common multiple of the two number fields.
#pragma once

#include <cstdint>
#include <string>

#include "form/form.h"

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

// Shows the title banner, reads both number fields, then refuses a zero with a
// message box (the banner stays) or writes the result text.
void HandleGcfLcm(Form& form);
