// Decimal numbers appended to a result text, as the calculator writes them:
// no padding, no separators, a "-" only before a negative signed value.
#pragma once

#include <cstdint>
#include <string>

void AppendSigned(std::string& text, int32_t value);
void AppendUnsigned(std::string& text, uint32_t value);
