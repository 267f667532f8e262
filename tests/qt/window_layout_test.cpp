#include <QImage>
#include <QLabel>

#include "app/qt/dialog_units.h"
#include "window_fixture.h"

namespace {

using WindowLayout = WindowTest;

// ctest runs this suite once more with QT_SCALE_FACTOR=2: the window's device
// pixels then scale by that factor from the size its form has at a factor of 1,
// reckoned here on a plain 96 dpi image, and every label still fits.
TEST_F(WindowLayout, ScalesByTheFactorAndEveryLabelFits) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  QImage unscaled(1, 1, QImage::Format_RGB32);
  unscaled.setDotsPerMeterX(3780);
  unscaled.setDotsPerMeterY(3780);
  const QFontMetrics metrics(FormFont(), &unscaled);
  const QSize atOne = PixelsOf({0, 0, kFormWidth, kFormHeight}, FormUnitsOf(metrics)).size();
  EXPECT_EQ(Window().grab().size(), atOne * factor);
  for (const QLabel* label : Window().findChildren<QLabel*>()) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  }
}

// Dialog units to pixels with the window font's own base units: a quarter of
// its average letter width across, an eighth of its height down, rounded.
TEST_F(WindowLayout, PlacesEveryControlAndLabelInDialogUnitsOfItsFont) {
  const BaseUnits units = Window().Units();
  const auto pixels = [&](const DialogRect& r) {
    const auto across = [&](int du) { return (du * units.x + 2) / 4; };
    const auto down = [&](int du) { return (du * units.y + 4) / 8; };
    return QRect(QPoint(across(r.x), down(r.y)),
                 QPoint(across(r.x + r.width) - 1, down(r.y + r.height) - 1));
  };
  for (const ControlPlace& place : kControls) {
    EXPECT_EQ(Control(place.id)->geometry(), pixels(place.rect)) << place.name;
  }
  QList<QLabel*> labels = Window().findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), std::ssize(kLabels));
  for (const LabelPlace& place : kLabels) {
    const QLabel* label = labels.takeFirst();
    EXPECT_EQ(label->geometry(), pixels(place.rect)) << place.text;
  }
}

}  // namespace
