// The form's dialog units in a Qt font, and where a rectangle in them lands
// on the window. The arithmetic is the core's (form/dialog_units.h); only the
// measuring is Qt's.
#pragma once

#include <QFontMetrics>
#include <QRect>

#include "form/dialog_units.h"

// The units of the font the metrics measure, widened until every label fits.
BaseUnits FormUnitsOf(const QFontMetrics& metrics);

QRect PixelsOf(const DialogRect& rect, BaseUnits units);
