// The bit-combination finder done literally: a register of 80,001 decimal
// digit cells, one per byte, doubled once per bit, and the grouping loop over
// its cells. Its cost grows with the square of n. For tests and benchmarks only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class LiteralBitsFinder {
 public:
  LiteralBitsFinder();

  // The whole result text for n, with no cap on its length. Asked for a larger
  // n than the call before, it goes on doubling from where that call stopped.
  std::string FindText(int32_t n);

 private:
  static constexpr int32_t kUnitsCell = 80'000;
  static constexpr uint8_t kEmptyMark = 100;

  void ResetDigitRegister();
  void DoubleDigitRegister();

  std::array<uint8_t, kUnitsCell + 1> cells_;
  int32_t leadingIndex_ = kUnitsCell;
  // Doublings since 2 was stored in the units cell.
  int32_t doublings_ = 0;
};

// One fresh run for n: reset, n - 1 doublings, the text.
std::string FindBitCombinationsLiterally(int32_t n);
