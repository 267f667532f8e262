#include "app/cli/json_text.h"

#include <cstdint>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  std::size_t length = 0;
  uint32_t lowest = 0;  // the smallest code point the length may hold: no overlong forms
  uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, lowest = 0x80, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, lowest = 0x800, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, lowest = 0x10000, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<uint8_t>(text[at + k]);
    if ((next & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < lowest || surrogate || code > 0x10FFFF ? 0 : length;
}

}  // namespace

void AppendJsonString(std::string& json, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  json += '"';
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<uint8_t>(text[at]);
    if (byte >= 0x80) {
      const std::size_t length = SequenceLength(text, at);
      if (length == 0) {
        json += kReplacement;
        ++at;
      } else {
        json.append(text, at, length);
        at += length;
      }
      continue;
    }
    if (byte == '"' || byte == '\\') {
      json += '\\';
      json += static_cast<char>(byte);
    } else if (byte == '\n') {
      json += "\\n";
    } else if (byte < 0x20 || byte == 0x7F) {
      json += "\\u00";
      json += kHex[byte >> 4];
      json += kHex[byte & 0xFu];
    } else {
      json += static_cast<char>(byte);
    }
    ++at;
  }
  json += '"';
}
