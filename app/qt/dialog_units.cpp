#include "app/qt/dialog_units.h"

#include "app/qt/text_edge.h"

BaseUnits FormUnitsOf(const QFontMetrics& metrics) {
  const auto textWidth = [&](const char* text) {
    return metrics.horizontalAdvance(ToQString(text));
  };
  return DialogUnitsOf(textWidth, metrics.height(), kLabels);
}

QRect PixelsOf(const DialogRect& rect, BaseUnits units) {
  const PixelRect pixels = MapDialogRect(rect, units);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}
