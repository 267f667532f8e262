#include "app/win32/wrapped_text.h"

#include <algorithm>

#include "form/line_breaks.h"

namespace {

// Appends one line of text without its line end, broken where it does not fit.
void WrapLine(std::wstring_view text, std::size_t begin, std::size_t end, std::size_t mostPerLine,
              const FittingCount& fitting, WrappedText& wrapped) {
  const std::wstring_view line = text.substr(begin, end - begin);
  std::size_t at = 0;
  if (line.find(L'\t') == std::wstring_view::npos) {
    for (const std::size_t start : BreakIntoLines(line, mostPerLine, fitting)) {
      wrapped.shown.append(line.substr(at, start - at)).append(kSoftBreak);
      at = start;
      wrapped.breaks.push_back(begin + at);
    }
  }
  wrapped.shown.append(line.substr(at));
}

}  // namespace

WrappedText WrapText(std::wstring_view text, std::size_t mostPerLine, const FittingCount& fitting) {
  WrappedText wrapped;
  wrapped.shown.reserve(text.size() + text.size() / 16);
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t newline = std::min(text.find(L'\n', begin), text.size());
    // A carriage return before the line feed is drawn as nothing.
    const std::size_t end = newline > begin && text[newline - 1] == L'\r' ? newline - 1 : newline;
    WrapLine(text, begin, end, mostPerLine, fitting, wrapped);
    wrapped.shown.append(text.substr(end, newline + 1 - end));
    begin = newline + 1;
  }
  return wrapped;
}

std::size_t ShownIndex(const std::vector<std::size_t>& breaks, std::size_t exact) {
  const auto before = std::upper_bound(breaks.begin(), breaks.end(), exact) - breaks.begin();
  return exact + kSoftBreak.size() * static_cast<std::size_t>(before);
}

std::size_t ExactIndex(const std::vector<std::size_t>& breaks, std::size_t shown) {
  // The i-th soft break takes the shown characters from breaks[i] + i * 3 on.
  std::size_t low = 0;
  std::size_t high = breaks.size();
  while (low < high) {  // the soft breaks that end at or before shown
    const std::size_t middle = low + (high - low) / 2;
    if (breaks[middle] + (middle + 1) * kSoftBreak.size() <= shown) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low < breaks.size() && breaks[low] + low * kSoftBreak.size() <= shown) return breaks[low];
  return shown - low * kSoftBreak.size();
}
