#include <QInputMethodEvent>
#include <QLineEdit>

#include "form/program.h"
#include "window_fixture.h"

namespace {

using Keyboard = WindowTest;

TEST_F(Keyboard, TabVisitsFieldsAndButtonsInTheFormsOrder) {
  for (const ControlPlace& place : kControls) {  // the form lists its controls in tab order
    EXPECT_EQ(FocusWidget(), Control(place.id)) << place.name;
    Press(Qt::Key_Tab);
  }
}

// Enter on a focused button presses it; Enter in a field presses nothing (a
// button that had the focus does not become the default); Escape closes.
TEST_F(Keyboard, EnterPressesOnlyAFocusedButtonAndEscapeClosesTheWindow) {
  ClickOn(IDC_ABOUT);
  Press(Qt::Key_Return);
  const QString about = "About Ezo's Numbrel: " + QString::fromLatin1(kAboutText);
  EXPECT_EQ(TakeBoxes(), QStringList({about, about}));
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("12"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(Text(IDC_RESULT), "");
  Press(Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
}

// Keys and an input method go through the typing rule (form/typing_rule.h):
// one key taken, one refused, an input method's text refused whole. A paste
// goes in unfiltered, crossing into the form's code page, where the euro sign
// has a byte and the check mark has none. Typing stops when a number field is
// full, but still replaces a selection.
TEST_F(Keyboard, TypingFollowsTheRuleAndAPasteGoesInAsItIs) {
  TypeInto(IDC_BINARY, QStringLiteral("1a"));
  QInputMethodEvent event(QString(), {});
  event.setCommitString(QStringLiteral("12"));
  QApplication::sendEvent(FocusWidget(), &event);
  EXPECT_EQ(Text(IDC_BINARY), "1");
  QGuiApplication::clipboard()->setText(QStringLiteral("2\u20AC\u2713\u00A0"));
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(IDC_BINARY), "12\x80?\xA0");
  TypeInto(IDC_FIRST_NUMBER, QString(60, u'8'));
  const auto* field = qobject_cast<QLineEdit*>(Control(IDC_FIRST_NUMBER));
  EXPECT_GT(field->text().size(), 5);
  EXPECT_LT(field->fontMetrics().horizontalAdvance(field->text()), field->width() - 4);
  TypeInto(IDC_FIRST_NUMBER, QStringLiteral("5"));
  EXPECT_EQ(Text(IDC_FIRST_NUMBER), "5");
}

}  // namespace
