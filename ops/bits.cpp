#include "ops/bits.h"

#include <array>
#include <cstring>
#include <vector>

#include "ops/decimal_power.h"
#include "ops/number_text.h"

namespace {

constexpr char kIntroduction[] =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";

// ",000" to ",999": a full limb is three of them, since nine digits are three
// whole groups and every limb below the top one starts a group.
constexpr std::array<std::array<char, 4>, 1000> kCommaGroups = [] {
  std::array<std::array<char, 4>, 1000> groups{};
  for (int g = 0; g < 1000; ++g) {
    groups[static_cast<std::size_t>(g)] = {',', static_cast<char>('0' + g / 100),
                                           static_cast<char>('0' + g / 10 % 10),
                                           static_cast<char>('0' + g % 10)};
  }
  return groups;
}();

int CountDigits(uint32_t limb) {
  int digits = 1;
  for (uint32_t bound = 10; digits < kDigitsPerLimb && limb >= bound; bound *= 10) ++digits;
  return digits;
}

// The limbs' decimal digits, most significant first, with "," between groups of
// three counted from the units.
void AppendGroupedDigits(std::string& text, const std::vector<uint32_t>& limbs) {
  const uint32_t top = limbs.back();
  const int topDigits = CountDigits(top);
  const std::size_t lowerLimbs = limbs.size() - 1;
  const std::size_t topLength = static_cast<std::size_t>(topDigits + (topDigits - 1) / 3);
  const std::size_t start = text.size();
  text.resize(start + topLength + lowerLimbs * 12);
  char* out = text.data() + start;

  char digits[kDigitsPerLimb];
  uint32_t rest = top;
  for (int i = topDigits; i-- > 0; rest /= 10) digits[i] = static_cast<char>('0' + rest % 10);
  for (int i = 0; i < topDigits; ++i) {
    if (i > 0 && (topDigits - i) % 3 == 0) *out++ = ',';
    *out++ = digits[i];
  }

  for (std::size_t i = lowerLimbs; i-- > 0;) {
    const uint32_t limb = limbs[i];
    const uint32_t upper = limb / 1'000'000;
    const uint32_t middle = limb / 1000 % 1000;
    const uint32_t lower = limb % 1000;
    std::memcpy(out, kCommaGroups[upper].data(), 4);
    std::memcpy(out + 4, kCommaGroups[middle].data(), 4);
    std::memcpy(out + 8, kCommaGroups[lower].data(), 4);
    out += 12;
  }
}

}  // namespace

std::string RefuseBitCombinations(std::string_view number) {
  std::string text(kIntroduction);
  text += "\r\n\t";
  text += number;
  text += " is too large, max input is ";
  AppendGrouped(text, kMostBits);
  text += "\r\n";
  return text;
}

std::string FindBitCombinations(int32_t n) {
  if (static_cast<uint32_t>(n) > kMostBits) {
    std::string number;
    AppendSigned(number, n);
    return RefuseBitCombinations(number);
  }
  std::string text(kIntroduction);
  text += "\r\n\r\nThe result of ";
  AppendSigned(text, n);
  text += " Bits is:\r\n\r\n";
  AppendGroupedDigits(text, RaiseTwoInBillions(static_cast<uint32_t>(n)));
  return text;
}
