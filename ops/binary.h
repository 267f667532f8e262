// The live binary-to-decimal conversion.
#pragma once

#include <cstdint>
#include <string_view>

// The unsigned number whose bit k is 1 exactly when the k-th character from the
// right end of text (k = 0 to 31) is "1". Every other character weighs 0.
uint32_t ConvertBinaryText(std::string_view text);
