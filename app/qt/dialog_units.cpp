#include "app/qt/dialog_units.h"

#include <QString>
#include <cstdint>

#include "app/qt/text_edge.h"

int MulDivRounded(int value, int numerator, int denominator) {
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t half = denominator / 2;
  const int64_t rounded = product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator);
  return static_cast<int>(rounded);
}

BaseUnits BaseUnitsOf(const QFontMetrics& metrics) {
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DialogRect& rect, BaseUnits units) {
  const int left = MulDivRounded(rect.x, units.x, 4);
  const int top = MulDivRounded(rect.y, units.y, 8);
  const int right = MulDivRounded(rect.x + rect.width, units.x, 4);
  const int bottom = MulDivRounded(rect.y + rect.height, units.y, 8);
  return QRect(left, top, right - left, bottom - top);
}

QSize MapDialogSize(int width, int height, BaseUnits units) {
  return QSize(MulDivRounded(width, units.x, 4), MulDivRounded(height, units.y, 8));
}

BaseUnits WidenToFitLabels(BaseUnits units, const QFontMetrics& metrics,
                           std::span<const LabelPlace> labels) {
  for (const LabelPlace& label : labels) {
    const int needed = metrics.horizontalAdvance(ToQString(label.text));
    while (MapDialogRect(label.rect, units).width() < needed) ++units.x;
  }
  return units;
}
