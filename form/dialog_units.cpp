#include "form/dialog_units.h"

int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator) {
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t half = denominator / 2;
  const int64_t rounded =
      product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int32_t>(rounded);
}

BaseUnits BaseUnitsOf(int32_t lettersWidth, int32_t height) {
  return {(lettersWidth / 26 + 1) / 2, height};
}

PixelRect MapDialogRect(const DialogRect& rect, BaseUnits units) {
  const int32_t left = MulDivRounded(rect.x, units.x, 4);
  const int32_t top = MulDivRounded(rect.y, units.y, 8);
  const int32_t right = MulDivRounded(rect.x + rect.width, units.x, 4);
  const int32_t bottom = MulDivRounded(rect.y + rect.height, units.y, 8);
  return {left, top, right - left, bottom - top};
}

BaseUnits WidenToFit(BaseUnits units, const DialogRect& rect, int32_t width) {
  // A box of no width never grows to hold anything.
  if (rect.width <= 0) return units;
  while (MapDialogRect(rect, units).width < width) ++units.x;
  return units;
}
