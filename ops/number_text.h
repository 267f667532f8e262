// Decimal numbers appended to a result text, as the calculator writes them:
// no padding, a "-" only before a negative value; no separators, except where
// a number is written for reading in prose ("4,294,967,295").
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

// The most characters a 32-bit number takes: "-2147483648".
inline constexpr std::size_t kLongestNumber = 11;

void AppendSigned(std::string& text, int32_t value);
void AppendUnsigned(std::string& text, uint32_t value);

// The same digits written at out, which has room for kLongestNumber
// characters, for a text built in a buffer of its own: returns their end.
// Inline, as the appending above and the callers' loops want them.
inline char* WriteSigned(char* out, int32_t value) {
  return std::to_chars(out, out + kLongestNumber, value).ptr;
}
inline char* WriteUnsigned(char* out, uint32_t value) {
  return std::to_chars(out, out + kLongestNumber, value).ptr;
}

// With "," between groups of three digits counted from the units. For a value
// whose magnitude fits 32 bits, as every range's ends do.
void AppendGrouped(std::string& text, int64_t value);
