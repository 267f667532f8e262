#include "app/cli/input_lines.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// A test of its own rather than a search of a set per character: the lines are many.
bool IsBetweenWords(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

LineReader::LineReader(std::streambuf& input) : input_(input), block_(kBlock) {}

LineRead LineReader::Read(std::string& line, std::size_t limit) {
  line.clear();
  if (at_ == end_ && !Refill()) return LineRead::End;
  bool tooLong = false;
  for (;;) {
    const char* const start = block_.data() + at_;
    const std::size_t left = end_ - at_;
    const auto* const lineEnd = static_cast<const char*>(std::memchr(start, '\n', left));
    const std::size_t length =
        lineEnd == nullptr ? left : static_cast<std::size_t>(lineEnd - start);
    const std::size_t room = limit - line.size();
    tooLong = tooLong || length > room;
    line.append(start, std::min(length, room));
    at_ += length;
    if (lineEnd != nullptr) {
      ++at_;
      break;
    }
    if (!Refill()) break;
  }
  return tooLong ? LineRead::TooLong : LineRead::Whole;
}

bool LineReader::WouldWait() const { return at_ == end_ && input_.in_avail() <= 0; }

bool LineReader::Refill() {
  using Traits = std::streambuf::traits_type;
  at_ = 0;
  end_ = Take(0);
  if (end_ > 0) return true;
  // Nothing has come yet: wait for one byte, then take what came with it.
  const Traits::int_type c = input_.sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) return false;
  block_[0] = Traits::to_char_type(c);
  end_ = 1 + Take(1);
  return true;
}

std::size_t LineReader::Take(std::size_t at) {
  const std::streamsize ready = input_.in_avail();
  if (ready <= 0) return 0;
  const auto wanted = std::min(static_cast<std::size_t>(ready), kBlock - at);
  return static_cast<std::size_t>(
      input_.sgetn(block_.data() + at, static_cast<std::streamsize>(wanted)));
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
