#include "tests/reference/bits_reference.h"

#include <cstddef>

namespace {

void AppendSignedDecimal(std::string& text, int32_t value) { text += std::to_string(value); }

}  // namespace

LiteralBitsFinder::LiteralBitsFinder() { ResetDigitRegister(); }

void LiteralBitsFinder::ResetDigitRegister() {
  leadingIndex_ = kUnitsCell;
  cells_.fill(kEmptyMark);
  cells_[kUnitsCell] = 2;
  doublings_ = 0;
}

void LiteralBitsFinder::DoubleDigitRegister() {
  int32_t cell = kUnitsCell;
  for (; cells_[static_cast<std::size_t>(cell)] != kEmptyMark; --cell) {
    cells_[static_cast<std::size_t>(cell)] =
        static_cast<uint8_t>(2 * cells_[static_cast<std::size_t>(cell)]);
  }
  for (cell = kUnitsCell; cells_[static_cast<std::size_t>(cell)] != kEmptyMark; --cell) {
    uint8_t& digit = cells_[static_cast<std::size_t>(cell)];
    if (digit > 9) {
      digit = static_cast<uint8_t>(digit % 10);
      uint8_t& before = cells_[static_cast<std::size_t>(cell - 1)];
      before = before == kEmptyMark ? 1 : static_cast<uint8_t>(before + 1);
    }
  }
  leadingIndex_ = cell;
}

std::string LiteralBitsFinder::FindText(int32_t n) {
  std::string text = "Ezo's Bit combination finder VBETA, 1999\r\n";
  text += "\r\nThis program calculates the number of combinations for a given number of binary digits.";
  text += "\r\n";
  if (static_cast<uint32_t>(n) > 262'144u) {
    text += "\r\n\t";
    AppendSignedDecimal(text, n);
    text += " is too large, max input is 262,144\r\n";
    return text;
  }

  // A fresh run stores 2 and doubles n - 1 times; a run that follows a smaller
  // n keeps the register and doubles the difference.
  if (n < 2 || n - 1 < doublings_) ResetDigitRegister();
  if (n == 1) {
    leadingIndex_ = kUnitsCell - 1;
  } else {
    for (; doublings_ < n - 1; ++doublings_) DoubleDigitRegister();
  }

  const int32_t digitCount = kUnitsCell - leadingIndex_;
  int groupCount = digitCount % 3 == 0 ? 0 : digitCount % 3 == 1 ? 2 : 1;
  text += "\r\n\r\nThe result of ";
  AppendSignedDecimal(text, n);
  text += " Bits is:\r\n\r\n";
  for (int32_t cell = leadingIndex_ + 1; cell <= kUnitsCell; ++cell) {
    if (groupCount == 3) {
      text += ',';
      groupCount = 0;
    }
    AppendSignedDecimal(text, cells_[static_cast<std::size_t>(cell)]);
    ++groupCount;
  }
  return text;
}

std::string FindBitCombinationsLiterally(int32_t n) { return LiteralBitsFinder().FindText(n); }
