#include "ops/binary.h"

uint32_t ConvertBinaryText(std::string_view text) {
  uint32_t value = 0;
  const std::size_t weighed = text.size() < 32 ? text.size() : 32;
  for (std::size_t k = 0; k < weighed; ++k) {
    if (text[text.size() - 1 - k] == '1') value |= uint32_t{1} << k;
  }
  return value;
}
