// The bit-combination finder done literally: a register of 80,001 decimal
// digit cells, one per byte, doubled once per bit, and the grouping loop over
// its cells. Its cost grows with the square of n. For tests and benchmarks only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class LiteralBitsFinder {
 public:
  // The whole result text for n, with no cap on its length. Asked for a larger
  // n than the call before, it goes on doubling from where that call stopped.
  std::string FindText(int32_t n);

 private:
  static constexpr int32_t kUnitsCell = 80'000;
  static constexpr uint8_t kEmptyMark = 100;

  uint8_t& Cell(int32_t index) { return cells_[static_cast<std::size_t>(index)]; }

  std::array<uint8_t, kUnitsCell + 1> cells_;
  int32_t leadingIndex_ = kUnitsCell;
  int32_t doublings_ = -1;  // since 2 was stored in the units cell; -1 before that
};

// One fresh run for n: reset, n - 1 doublings, the text.
std::string FindBitCombinationsLiterally(int32_t n);
