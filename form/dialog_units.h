// Dialog units to pixels for one font, in integers, the way the form's layout
// is meant to be read: across, a quarter of the font's average character
// width; down, an eighth of its height. Corners are mapped, not sizes, so
// controls that touch in dialog units touch on the screen. A shell measures
// texts in its own font; the arithmetic is all here.
#pragma once

#include <cstdint>
#include <span>

#include "form/form_layout.h"

struct BaseUnits {
  int32_t x;  // pixels per 4 dialog units across
  int32_t y;  // pixels per 8 dialog units down

  bool operator==(const BaseUnits&) const = default;
};

struct PixelRect {
  int32_t left;
  int32_t top;
  int32_t width;
  int32_t height;

  bool operator==(const PixelRect&) const = default;
};

// The letters whose average width is the font's average character width.
inline constexpr const char* kAverageWidthLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// value * numerator / denominator, rounded half away from zero.
int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator);

// lettersWidth: the width of kAverageWidthLetters, in whole pixels; height:
// the height of one line of the font.
BaseUnits BaseUnitsOf(int32_t lettersWidth, int32_t height);

PixelRect MapDialogRect(const DialogRect& rect, BaseUnits units);

// A font whose letters are narrow beside its punctuation can leave a label's
// text wider than its box: the horizontal unit widened, if need be, until rect
// is at least width pixels across.
BaseUnits WidenToFit(BaseUnits units, const DialogRect& rect, int32_t width);

// The units of a font, widened until every label's text fits its box.
// textWidth(text) measures a Windows-1252 text in that font, in whole pixels.
template <typename TextWidth>
BaseUnits DialogUnitsOf(TextWidth&& textWidth, int32_t height, std::span<const LabelPlace> labels) {
  BaseUnits units = BaseUnitsOf(textWidth(kAverageWidthLetters), height);
  for (const LabelPlace& label : labels) {
    units = WidenToFit(units, label.rect, textWidth(label.text));
  }
  return units;
}
