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

void AppendGrouped(std::string& text, int64_t value) {
  char digits[21];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const char* at = digits;
  if (*at == '-') text += *at++;
  for (auto left = end - at; at != end; --left) {
    text += *at++;
    if (left > 1 && (left - 1) % 3 == 0) text += ',';
  }
}
