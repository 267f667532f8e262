// Dialog units to pixels for one font, in integers, the way the form's layout
// is meant to be read: across, a quarter of the font's average character
// width; down, an eighth of its height. Corners are mapped, not sizes, so
// controls that touch in dialog units touch on the screen.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <span>

#include "form/form_layout.h"

struct BaseUnits {
  int x;  // pixels per 4 dialog units across
  int y;  // pixels per 8 dialog units down

  bool operator==(const BaseUnits&) const = default;
};

// value * numerator / denominator, rounded half away from zero.
int MulDivRounded(int value, int numerator, int denominator);

// x: the average width of the 52 letters A-Z and a-z, rounded; y: the height.
BaseUnits BaseUnitsOf(const QFontMetrics& metrics);

QRect MapDialogRect(const DialogRect& rect, BaseUnits units);
QSize MapDialogSize(int width, int height, BaseUnits units);

// A font whose letters are narrow beside its punctuation can leave a label's
// text wider than its box: widens the horizontal unit until every label fits.
BaseUnits WidenToFitLabels(BaseUnits units, const QFontMetrics& metrics,
                           std::span<const LabelPlace> labels);
