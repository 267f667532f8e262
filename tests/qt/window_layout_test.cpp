#include <QScreen>
#include <QScrollArea>

#include "window_fixture.h"

namespace {

// ctest runs these once more at 144 dpi and once with QT_SCALE_FACTOR=2, where
// the screen is smaller than the form.
QSize FormSize(const NumbersWindow& window) {
  return PixelsOf({0, 0, kFormWidth, kFormHeight}, window.Units()).size();
}

// The window opens at the form's size, never gets smaller, and gives all it
// gains to the result field: every other control keeps its place and size in
// dialog units.
struct Grown {
  const char* name;
  QSize gain;
  bool maximized;
};

class Growing : public WindowCaseTest<Grown> {};

TEST_P(Growing, TheResultFieldTakesAllTheWindowGains) {
  if (Window().minimumSize() != FormSize(Window())) GTEST_SKIP() << "the form exceeds the screen";
  EXPECT_EQ(Window().size(), FormSize(Window()));
  Window().resize(FormSize(Window()) + GetParam().gain);
  if (GetParam().maximized) {
    Window().showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Window().size() != FormSize(Window()); }));
  }
  const QSize gain = Window().size() - FormSize(Window());
  for (const ControlPlace& place : kControls) {
    const QSize grown = place.kind == ControlKind::ResultField ? gain : QSize(0, 0);
    EXPECT_EQ(Control(place.id)->geometry(),
              PixelsOf(place.rect, Window().Units()).adjusted(0, 0, grown.width(), grown.height()))
        << place.name;
  }
}

const Grown kGrown[] = {{"AtTheFormsSize", {0, 0}, false},
                        {"Wider", {300, 0}, false},
                        {"Taller", {0, 200}, false},
                        {"Maximized", {0, 0}, true}};

INSTANTIATE_TEST_SUITE_P(Sizes, Growing, ::testing::ValuesIn(kGrown), kByName);

// Where the screen is smaller than the form, the window fits the screen and
// scrolls; a press scrolls just enough to show the top of the result, and as
// much of it as fits, and leaves the focus on the button.
using SmallScreen = WindowTest;

TEST_F(SmallScreen, APressScrollsTheResultsTopIntoView) {
  if (Window().minimumSize() == FormSize(Window())) GTEST_SKIP() << "the form fits the screen";
  const QSize screen = Window().screen()->availableGeometry().size();
  EXPECT_EQ(Window().size(), FormSize(Window()).boundedTo(screen));
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("64"));
  for (int tab = 0; tab < 3; ++tab) Press(Qt::Key_Tab);
  ASSERT_EQ(FocusWidget(), Control(IDC_BITS));
  Press(Qt::Key_Space);
  EXPECT_EQ(FocusWidget(), Control(IDC_BITS));
  const QWidget* viewport = Window().Scroll().viewport();
  const QWidget* result = Control(IDC_RESULT);
  const int shown = std::min(result->height(), viewport->height());
  EXPECT_EQ(result->mapTo(viewport, QPoint(0, shown)).y(), viewport->height());
}

}  // namespace
