#include "app/cli/input_lines.h"

#include <string_view>

namespace {

// A test of its own rather than a search of a set per character: the lines are many.
bool IsBetweenWords(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

LineRead ReadLine(std::streambuf& input, std::string& line, std::size_t limit) {
  using Traits = std::streambuf::traits_type;
  line.clear();
  Traits::int_type c = input.sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) return LineRead::End;
  bool tooLong = false;
  for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = input.sbumpc()) {
    if (line.size() < limit) {
      line += Traits::to_char_type(c);
    } else {
      tooLong = true;
    }
  }
  return tooLong ? LineRead::TooLong : LineRead::Whole;
}

void SplitWords(std::string_view line, std::vector<std::string>& words) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < line.size();) {
    if (IsBetweenWords(line[at])) {
      ++at;
      continue;
    }
    std::size_t end = at + 1;
    while (end < line.size() && !IsBetweenWords(line[end])) ++end;
    if (count == words.size()) words.emplace_back();
    words[count++].assign(line.substr(at, end - at));
    at = end;
  }
  words.resize(count);
}
