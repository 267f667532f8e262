#include "app/web/page_lines.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "form/line_breaks.h"

using emscripten::val;

namespace {

// The advance of every character of a text but its line ends and tabs, as
// the page measures them, asked for once. Asked for every character of the
// text again, the first code page's come straight from a table.
class Advances {
 public:
  Advances(std::u16string_view text, const val& measure) {
    std::bitset<0x10000> seen;
    std::u16string characters;
    for (const char16_t c : text) {
      if (c != u'\n' && c != u'\t' && !seen[c]) {
        seen[c] = true;
        characters.push_back(c);
      }
    }
    const val measured = measure(characters);
    for (std::size_t i = 0; i < characters.size(); ++i) {
      // A width the page could not give (none, or not a number) counts as nothing.
      double width = measured[i].isNumber() ? measured[i].as<double>() : 0.0;
      width = std::isfinite(width) ? std::max(width, 0.0) : 0.0;
      if (characters[i] < direct_.size()) {
        direct_[characters[i]] = width;
      } else {
        others_.emplace_back(characters[i], width);
      }
    }
  }

  double Of(char16_t c) const {
    if (c < direct_.size()) return direct_[c];
    for (const auto& [character, width] : others_) {
      if (character == c) return width;
    }
    return 0.0;
  }

 private:
  std::array<double, 0x100> direct_{};
  std::vector<std::pair<char16_t, double>> others_;
};

}  // namespace

val PageLineStarts(const std::u16string& text, const val& measure, double width, double tabWidth) {
  const std::u16string_view all(text);
  const Advances advances(all, measure);
  // How many leading characters of part fit the width, tabs at their stops.
  const auto fitting = [&](std::u16string_view part) {
    double x = 0;
    const char16_t* const characters = part.data();
    for (std::size_t count = 0; count < part.size(); ++count) {
      const char16_t c = characters[count];
      x = c == u'\t' && tabWidth > 0 ? (std::floor(x / tabWidth) + 1) * tabWidth
                                     : x + advances.Of(c);
      if (x > width) return count;
    }
    return part.size();
  };
  // Kept as the rule gives them, one kind of vector in the program, not two.
  static_assert(sizeof(std::size_t) == sizeof(uint32_t), "a Uint32Array's element");
  std::vector<std::size_t> starts;
  for (std::size_t at = 0; at < all.size();) {
    const std::size_t end = std::min(all.find(u'\n', at), all.size());
    const std::u16string_view line = all.substr(at, end - at);
    for (const std::size_t start : BreakIntoLines(line, line.size(), fitting)) {
      starts.push_back(at + start);
    }
    at = end + 1;
    if (at < all.size()) starts.push_back(at);
  }
  return val::global("Uint32Array")
      .new_(emscripten::typed_memory_view(starts.size(), starts.data()));
}
