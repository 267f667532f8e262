#include "form/code_page.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// 0x80 to 0x9F; 0 marks the bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::size_t AsciiRunEnd(std::string_view text, std::size_t at, char stop) {
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kHighBits = 0x8080808080808080;
  const uint64_t stops = kOnes * static_cast<unsigned char>(stop);
  for (uint64_t eight = 0; at + sizeof eight <= text.size(); at += sizeof eight) {
    std::memcpy(&eight, text.data() + at, sizeof eight);
    // A byte equal to stop leaves a zero byte in eight ^ stops, which the
    // subtraction finds.
    const uint64_t matches = eight ^ stops;
    if (((eight | ((matches - kOnes) & ~matches)) & kHighBits) != 0) break;
  }
  while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80 && text[at] != stop) ++at;
  return at;
}

void AppendCp1252CharAsUtf8(std::string& utf8, unsigned char byte) {
  AppendUtf8(utf8, CodePointOfCp1252(byte));
}

char32_t CodePointOfCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

unsigned char Cp1252OfCodePoint(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  }
  if (codePoint >= 0x80 && codePoint < 0xA0 && kHighControls[codePoint - 0x80] == 0) {
    return static_cast<unsigned char>(codePoint);
  }
  return '?';
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    // A run of ASCII, most of every text, is the same bytes in UTF-8: copied whole.
    const std::size_t end = AsciiRunEnd(text, at, kNoStop);
    out.append(text, at, end - at);
    if (end == text.size()) break;
    AppendCp1252CharAsUtf8(out, static_cast<unsigned char>(text[end]));
    at = end + 1;
  }
  return out;
}

Utf8Char DecodeUtf8(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead < 0x80) return {lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    return {0, 0};
  }
  if (text.size() - at < length) return {0, 0};
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (next & 0x3F);
  }
  constexpr std::array<char32_t, 5> kShortestFrom{0, 0, 0x80, 0x800, 0x10000};
  const bool wellFormed =
      c >= kShortestFrom[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
  return wellFormed ? Utf8Char{c, length} : Utf8Char{0, 0};
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = DecodeUtf8(text, at);
    if (c.length == 0) {
      out += '?';
      ++at;
    } else {
      out += static_cast<char>(Cp1252OfCodePoint(c.codePoint));
      at += c.length;
    }
  }
  return out;
}
