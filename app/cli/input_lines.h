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

// The lines of a stream, taken from it a block at a time: as much as has
// come, and never more, so that a script that writes a line and waits for
// its answer gets it.
class LineReader {
 public:
  explicit LineReader(std::streambuf& input);

  // The next line into line, without its line end: Whole, or TooLong when it
  // held more than limit bytes (line then holds the first limit), or End when
  // no byte was left to read.
  LineRead Read(std::string& line, std::size_t limit = kLongestLine);

  // Whether the next Read would wait for input to come.
  [[nodiscard]] bool WouldWait() const;

 private:
  // Takes the next block; false at the end of the input.
  bool Refill();
  // What has come and can be read without waiting, into block_ from at on:
  // how many bytes.
  std::size_t Take(std::size_t at);

  static constexpr std::size_t kBlock = std::size_t{1} << 16;

  std::streambuf& input_;
  std::vector<char> block_;
  std::size_t at_ = 0;   // the first byte of block_ not yet read
  std::size_t end_ = 0;  // past the last byte of block_ taken from the input
};

// The line's words into words, reusing the strings it holds.
void SplitWords(std::string_view line, std::vector<std::string>& words);
