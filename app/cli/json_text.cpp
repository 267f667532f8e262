#include "app/cli/json_text.h"

#include <cstdint>

#include "form/code_page.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

}  // namespace

void AppendJsonString(std::string& json, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  json += '"';
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<uint8_t>(text[at]);
    if (byte >= 0x80) {
      const std::size_t length = DecodeUtf8(text, at).length;
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
