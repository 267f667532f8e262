#include "tests/reference/bits_reference.h"

std::string LiteralBitsFinder::FindText(int32_t n) {
  std::string text =
      "Ezo's Bit combination finder VBETA, 1999\r\n"
      "\r\nThis program calculates the number of combinations for a given number of binary digits."
      "\r\n";
  if (static_cast<uint32_t>(n) > 262'144u) {
    return text + "\r\n\t" + std::to_string(n) + " is too large, max input is 262,144\r\n";
  }

  // A fresh run stores 2 and doubles n - 1 times; a run that follows a smaller
  // n keeps the register and doubles the difference.
  if (n < 2 || n - 1 < doublings_ || doublings_ < 0) {
    leadingIndex_ = kUnitsCell;
    cells_.fill(kEmptyMark);
    Cell(kUnitsCell) = 2;
    doublings_ = 0;
  }
  if (n == 1) leadingIndex_ = kUnitsCell - 1;
  for (; doublings_ < n - 1; ++doublings_) {
    int32_t cell = kUnitsCell;
    for (; Cell(cell) != kEmptyMark; --cell) Cell(cell) = static_cast<uint8_t>(2 * Cell(cell));
    for (cell = kUnitsCell; Cell(cell) != kEmptyMark; --cell) {
      if (Cell(cell) > 9) {
        Cell(cell) = static_cast<uint8_t>(Cell(cell) % 10);
        Cell(cell - 1) =
            Cell(cell - 1) == kEmptyMark ? 1 : static_cast<uint8_t>(Cell(cell - 1) + 1);
      }
    }
    leadingIndex_ = cell;
  }

  const int32_t digitCount = kUnitsCell - leadingIndex_;
  int groupCount = digitCount % 3 == 0 ? 0 : digitCount % 3 == 1 ? 2 : 1;
  text += "\r\n\r\nThe result of " + std::to_string(n) + " Bits is:\r\n\r\n";
  for (int32_t cell = leadingIndex_ + 1; cell <= kUnitsCell; ++cell) {
    if (groupCount == 3) {
      text += ',';
      groupCount = 0;
    }
    text += std::to_string(Cell(cell));
    ++groupCount;
  }
  return text;
}

std::string FindBitCombinationsLiterally(int32_t n) { return LiteralBitsFinder().FindText(n); }
