// A long text broken into display lines that fit a field's width, where the
// form breaks them (form/line_breaks.h).
// Each break is a soft line break, written as the edit control writes its
// own, so that it can be told from the text's own line ends; the exact text
// is the displayed one with the soft breaks left out, and indexes map both
// ways.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::wstring_view kSoftBreak = L"\r\r\n";

struct WrappedText {
  std::wstring shown;
  // Where in the exact text each soft break stands, ascending.
  std::vector<std::size_t> breaks;
};

// How many leading characters of a display line's candidate fit the width.
using FittingCount = std::function<std::size_t(std::wstring_view)>;

// Breaks every line of text that does not fit. A display line holds at most
// mostPerLine characters, so fitting is asked about that many and one more. A
// line with a tab is left to the field, which expands tabs itself: no
// result's long line has one.
WrappedText WrapText(std::wstring_view text, std::size_t mostPerLine, const FittingCount& fitting);

// The index in the shown text of the exact text's character at exact (the
// start of the next display line when a soft break stands there).
std::size_t ShownIndex(const std::vector<std::size_t>& breaks, std::size_t exact);
// The exact text's index of the shown text's character at shown; inside a
// soft break, the index the break stands at.
std::size_t ExactIndex(const std::vector<std::size_t>& breaks, std::size_t shown);
