// Each control as a screen reader finds it through Qt's accessibility
// interface (its name, whether it is read-only, the label that names it, in
// its place in dialog units and wide enough for its text) and as it looks: a read-only field drawn
// on the window's own colour, as the platforms draw one, an editable one on the colour for typing;
// the result's tab stops every 32 dialog units.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>

#include "window_fixture.h"

namespace {

using Controls = WindowTest;

TEST_F(Controls, ReadAndLookAsTheFormSays) {
  const QPalette& window = Window().palette();
  ASSERT_NE(window.color(QPalette::Window), window.color(QPalette::Base));
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(Control(IDC_RESULT))->tabStopDistance(),
            PixelsOf({0, 0, kResultTabStop, 0}, Window().Units()).width());
  for (const ControlPlace& place : kControls) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(place.id));
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(place.accessibleName));
    const bool readOnly =
        place.kind == ControlKind::ReadOnlyField || place.kind == ControlKind::ResultField;
    EXPECT_EQ(bool(accessible->state().readOnly), readOnly) << place.name;
    if (place.kind == ControlKind::Field || place.kind == ControlKind::ReadOnlyField) {
      EXPECT_EQ(Control(place.id)->palette().color(QPalette::Base),
                window.color(readOnly ? QPalette::Window : QPalette::Base))
          << place.name;
    }
  }
  for (const LabelPlace& place : kLabels) {
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Control(place.buddy));
    const auto relations = field->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1) << place.text;
    const auto* label = qobject_cast<QLabel*>(relations[0].first->object());
    EXPECT_EQ(label->text(), QString::fromLatin1(place.text));
    EXPECT_EQ(label->geometry(), PixelsOf(place.rect, Window().Units())) << place.text;
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << place.text;
  }
}

}  // namespace
