#include "ops/bits.h"

#include <array>
#include <cstring>
#include <vector>

#include "ops/decimal_power.h"
#include "ops/number_text.h"

namespace {

constexpr std::string_view kIntroduction =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";

// A group of three digits with the comma before it, ",000" to ",999". A limb
// below the top one is three whole groups, since every such limb starts one.
constexpr std::size_t kGroupSize = 4;
constexpr std::size_t kLimbTextSize = 3 * kGroupSize;
constexpr std::array<std::array<char, kGroupSize>, 1000> kCommaGroups = [] {
  std::array<std::array<char, kGroupSize>, 1000> groups{};
  for (int g = 0; g < 1000; ++g) {
    groups[static_cast<std::size_t>(g)] = {',', static_cast<char>('0' + g / 100),
                                           static_cast<char>('0' + g / 10 % 10),
                                           static_cast<char>('0' + g % 10)};
  }
  return groups;
}();

// The limbs' decimal digits, most significant first, with "," between groups of
// three counted from the units.
void AppendGroupedDigits(std::string& text, const std::vector<uint32_t>& limbs) {
  const std::size_t lowerLimbs = limbs.size() - 1;
  // One allocation for the whole text: the top limb takes at most a limb's room.
  text.reserve(text.size() + (lowerLimbs + 1) * kLimbTextSize);
  AppendGrouped(text, limbs.back());
  const std::size_t start = text.size();
  text.resize(start + lowerLimbs * kLimbTextSize);
  char* out = text.data() + start;
  for (std::size_t i = lowerLimbs; i-- > 0;) {
    const uint32_t limb = limbs[i];
    std::memcpy(out, kCommaGroups[limb / 1'000'000].data(), kGroupSize);
    std::memcpy(out + kGroupSize, kCommaGroups[limb / 1000 % 1000].data(), kGroupSize);
    std::memcpy(out + 2 * kGroupSize, kCommaGroups[limb % 1000].data(), kGroupSize);
    out += kLimbTextSize;
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
