#include "app/win32/framework/wide_text.h"

#include "form/code_page.h"

std::wstring WideOfCp1252(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  // Every Windows-1252 character lies in the Basic Multilingual Plane.
  for (const char c : text) {
    wide += static_cast<wchar_t>(CodePointOfCp1252(static_cast<unsigned char>(c)));
  }
  return wide;
}

std::string Cp1252OfWide(std::wstring_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto unit = static_cast<char16_t>(text[at]);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && at + 1 < text.size()) {
      const auto next = static_cast<char16_t>(text[at + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) ++at;
    }
    narrow += static_cast<char>(Cp1252OfCodePoint(unit));
  }
  return narrow;
}
