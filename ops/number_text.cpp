#include "ops/number_text.h"

#include <charconv>

void AppendSigned(std::string& text, int32_t value) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}

void AppendUnsigned(std::string& text, uint32_t value) {
  char digits[11];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end);
}
