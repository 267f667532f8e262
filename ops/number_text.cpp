#include "ops/number_text.h"

#include <array>
#include <charconv>

void AppendSigned(std::string& text, int32_t value) {
  std::array<char, kLongestNumber> digits{};
  text.append(digits.data(), WriteSigned(digits.data(), value));
}

void AppendUnsigned(std::string& text, uint32_t value) {
  std::array<char, kLongestNumber> digits{};
  text.append(digits.data(), WriteUnsigned(digits.data(), value));
}

void AppendGrouped(std::string& text, int64_t value) {
  std::array<char, 10> digits{};
  const auto magnitude = static_cast<uint32_t>(value < 0 ? -value : value);
  const char* const end =
      std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
  const auto count = static_cast<std::size_t>(end - digits.data());
  // Written whole into a buffer first: one append, not one per character.
  std::array<char, 14> grouped{};  // "-4,294,967,295"
  char* out = grouped.data();
  if (value < 0) *out++ = '-';
  for (std::size_t at = 0; at < count; ++at) {
    if (at > 0 && (count - at) % 3 == 0) *out++ = ',';
    *out++ = digits[at];
  }
  text.append(grouped.data(), out);
}
