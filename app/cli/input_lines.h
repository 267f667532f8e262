// Standard input read as numbrel-cli reads it: one run a line, the line's
// words its fields. Lines end in "\n"; words are separated by spaces, tabs
// and the other white space of the C locale, so "\r\n" ends a line too.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

enum class LineRead { End, Whole, TooLong };

// The longest line kept; the rest of a longer one is read past, not held.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// The next line into line, without its line end: Whole, or TooLong when it
// held more than limit bytes (line then holds the first limit), or End when
// no byte was left to read.
LineRead ReadLine(std::streambuf& input, std::string& line, std::size_t limit = kLongestLine);

// The line's words into words, reusing the strings it holds.
void SplitWords(std::string_view line, std::vector<std::string>& words);
