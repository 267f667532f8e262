// Windows-1252, the code page of every text in the core, and the conversions
// each shell makes once at its edge.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined map to the C1 control of the same number, as Windows does.
char32_t CodePointOfCp1252(unsigned char byte);

// The byte for a code point, or '?' for one the code page cannot show.
unsigned char Cp1252OfCodePoint(char32_t codePoint);

// Where the run of ASCII from text[at] on ends: at its first byte above 0x7F
// or equal to stop, or at the text's end. ASCII is the same bytes in UTF-8, so
// a converter copies such a run whole; stop is an ASCII byte the caller
// handles itself ('\r' for line ends), or kNoStop. Looked for eight bytes at a
// time: the texts are long runs of ASCII.
inline constexpr char kNoStop = '\x80';
std::size_t AsciiRunEnd(std::string_view text, std::size_t at, char stop);

// One byte's character appended in UTF-8.
void AppendCp1252CharAsUtf8(std::string& utf8, unsigned char byte);

std::string Cp1252ToUtf8(std::string_view text);
// The character of the UTF-8 sequence that starts at text[at] (at < size),
// and its length in bytes; length 0 where the sequence is malformed,
// overlong, a surrogate or past U+10FFFF. Only the shortest form of a scalar
// value is well-formed: any other would let bytes pass as a character they
// only imitate, a zero byte among them.
struct Utf8Char {
  char32_t codePoint;
  std::size_t length;
};
Utf8Char DecodeUtf8(std::string_view text, std::size_t at);

// Only well-formed UTF-8 is decoded: each byte of a malformed, overlong or
// surrogate sequence, or of one past U+10FFFF, becomes '?'.
std::string Utf8ToCp1252(std::string_view text);
