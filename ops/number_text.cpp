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
  char digits[10];
  const uint32_t magnitude = static_cast<uint32_t>(value < 0 ? -value : value);
  const auto count = std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits;
  // Written whole into a buffer first: one append, not one per character.
  char grouped[15];
  char* out = grouped;
  if (value < 0) *out++ = '-';
  for (auto at = decltype(count){0}; at < count; ++at) {
    if (at > 0 && (count - at) % 3 == 0) *out++ = ',';
    *out++ = digits[at];
  }
  text.append(grouped, out);
}
