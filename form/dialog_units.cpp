#include "form/dialog_units.h"

#include <string_view>

namespace {

// A base unit is 4 dialog units across and 8 down.
constexpr int32_t kDialogUnitsAcross = 4;
constexpr int32_t kDialogUnitsDown = 8;

constexpr auto kAverageWidthLetterCount =
    static_cast<int32_t>(std::string_view(kAverageWidthLetters).size());

}  // namespace

int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator) {
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t half = denominator / 2;
  const int64_t rounded =
      product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int32_t>(rounded);
}

BaseUnits BaseUnitsOf(int32_t lettersWidth, int32_t height) {
  // The average width, rounded half up.
  return {(lettersWidth + kAverageWidthLetterCount / 2) / kAverageWidthLetterCount, height};
}

PixelRect MapDialogRect(const DialogRect& rect, BaseUnits units) {
  const int32_t left = MulDivRounded(rect.x, units.x, kDialogUnitsAcross);
  const int32_t top = MulDivRounded(rect.y, units.y, kDialogUnitsDown);
  const int32_t right = MulDivRounded(rect.x + rect.width, units.x, kDialogUnitsAcross);
  const int32_t bottom = MulDivRounded(rect.y + rect.height, units.y, kDialogUnitsDown);
  return {left, top, right - left, bottom - top};
}

BaseUnits WidenToFit(BaseUnits units, const DialogRect& rect, int32_t width) {
  // A box of no width never grows to hold anything.
  if (rect.width <= 0) return units;
  while (MapDialogRect(rect, units).width < width) ++units.x;
  return units;
}
