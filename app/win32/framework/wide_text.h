// The Windows shell's edge: the core's Windows-1252 texts to the UTF-16 the
// wide API takes, and back, one character for one code unit.
#pragma once

#include <string>
#include <string_view>

std::wstring WideOfCp1252(std::string_view text);
// A code point Windows-1252 cannot show becomes '?' (a surrogate pair once).
std::string Cp1252OfWide(std::wstring_view text);
