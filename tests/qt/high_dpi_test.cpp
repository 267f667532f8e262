#include <QImage>
#include <QLabel>

#include "app/qt/dialog_units.h"
#include "window_fixture.h"

namespace {

// ctest runs this once more with QT_SCALE_FACTOR=2 (the qt.ScaleFactor2
// entries): the window's device pixels then scale by that factor from the
// size its form has at a factor of 1, reckoned here on a plain 96 dpi image.
using HighDpi = WindowTest;

TEST_F(HighDpi, TheWindowScalesByTheFactorAndEveryLabelStillFits) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  QImage unscaled(1, 1, QImage::Format_RGB32);
  unscaled.setDotsPerMeterX(3780);  // 96 dpi
  unscaled.setDotsPerMeterY(3780);
  const QFontMetrics metrics(FormFont(), &unscaled);
  const QSize atOne =
      MapDialogSize(kFormWidth, kFormHeight, WidenToFitLabels(BaseUnitsOf(metrics), metrics, kLabels));

  EXPECT_EQ(Window().devicePixelRatioF(), factor);
  EXPECT_EQ(Window().grab().size(), atOne * factor);
  for (const QLabel* label : Window().findChildren<QLabel*>()) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  }
}

}  // namespace
