// Where a line of a result too wide for its field breaks into display lines,
// the same in every shell: after the last comma or space that fits, so that a
// long number breaks between its groups of digits and prose between its words;
// only where the part that fits holds neither, after the characters that fit.
// A shell measures; the choice is made here. Texts are any kind of character.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// How many leading characters of line stay on its first display line when
// only its first `fitting` characters fit (fewer than line has). One at least,
// so that every display line holds something.
template <typename Char>
constexpr std::size_t BreakLine(std::basic_string_view<Char> line, std::size_t fitting) {
  constexpr std::array<Char, 2> kBreaksAfter{Char{','}, Char{' '}};
  const std::size_t last = line.substr(0, fitting).find_last_of(
      std::basic_string_view<Char>(kBreaksAfter.data(), kBreaksAfter.size()));
  if (last != std::basic_string_view<Char>::npos) return last + 1;
  return std::max<std::size_t>(fitting, 1);
}

// Where each display line after the first starts, ascending, in one line of
// text (no line end inside it). fitting(part) says how many of part's leading
// characters fit the field's width; it is asked about at most mostPerLine
// characters and one more, so that a display line holds at most mostPerLine.
template <typename Char, typename Fitting>
std::vector<std::size_t> BreakIntoLines(std::basic_string_view<Char> line, std::size_t mostPerLine,
                                        Fitting&& fitting) {
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::basic_string_view<Char> rest = line.substr(at);
    const std::basic_string_view<Char> candidate = rest.substr(0, mostPerLine + 1);
    const std::size_t fits = fitting(candidate);
    if (fits >= rest.size()) break;
    const std::size_t length = BreakLine(candidate, fits);
    if (length >= rest.size()) break;
    at += length;
    starts.push_back(at);
  }
  return starts;
}
