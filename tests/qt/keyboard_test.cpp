#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "window_fixture.h"

namespace {

using Keyboard = WindowTest;

TEST_F(Keyboard, TabVisitsFieldsAndButtonsInTheFormsOrder) {
  for (const ControlPlace& place : kControls) {  // the form lists its controls in tab order
    EXPECT_EQ(FocusWidget(), Control(place.id)) << place.name;
    Press(Qt::Key_Tab);
  }
}

TEST_F(Keyboard, EnterInAFieldPressesNothingAndEscapeClosesTheWindow) {
  ClickOn(IDC_ABOUT);  // a button that had the focus does not become the default
  ASSERT_EQ(TakeBoxes().size(), 1);
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("12"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(Text(IDC_RESULT), "");
  EXPECT_TRUE(Window().isVisible());
  Press(Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
}

// Keys and an input method go through the field's filter; a paste goes in
// unfiltered, crossing into the form's code page, where the euro sign has a
// byte and the check mark has none. The Decimal field follows Binary.
enum class Way { Keys, InputMethod, Paste };

struct Entered {
  const char* name;
  Way way;
  ControlId id;
  QString text;
  std::string shown;
  std::string decimal = {};
};

class Entering : public WindowCaseTest<Entered> {};

TEST_P(Entering, ShowsWhatTheFieldTakes) {
  const Entered& entered = GetParam();
  ClickOn(entered.id);
  if (entered.way == Way::Keys) TypeInto(entered.id, entered.text);
  if (entered.way == Way::Paste) {
    QGuiApplication::clipboard()->setText(entered.text);
    Press(Qt::Key_V, Qt::ControlModifier);
  }
  if (entered.way == Way::InputMethod) {
    QInputMethodEvent event(QString(), {});
    event.setCommitString(entered.text);
    QApplication::sendEvent(FocusWidget(), &event);
  }
  EXPECT_EQ(Text(entered.id), entered.shown);
  EXPECT_EQ(Text(IDC_DECIMAL), entered.decimal);
}

const Entered kEntered[] = {
    {"BinaryKeysZeroAndOne", Way::Keys, IDC_BINARY, "1a0-b 2391.x", "101", "5"},
    {"BinaryKeysUpTo32", Way::Keys, IDC_BINARY, QString(40, u'1'), std::string(32, '1'),
     "4294967295"},
    {"NumberKeysALeadingMinusAndDigits", Way::Keys, IDC_FIRST_NUMBER, "-42e3", "-423"},
    {"NumberKeysOneMinusOnly", Way::Keys, IDC_SINGLE_NUMBER, "--12-", "-12"},
    {"NumberKeysNoMinusAfterADigit", Way::Keys, IDC_SECOND_NUMBER, "1-2", "12"},
    {"NumberInputMethodMinusFirst", Way::InputMethod, IDC_SINGLE_NUMBER, "-12", "-12"},
    {"BinaryInputMethodRefused", Way::InputMethod, IDC_BINARY, "12", ""},
    {"BinaryInputMethodTaken", Way::InputMethod, IDC_BINARY, "11", "11", "3"},
    {"BinaryPasteUnfiltered", Way::Paste, IDC_BINARY, "2" + QString(33, u'0'),
     "2" + std::string(33, '0'), "0"},
    {"PasteIntoTheCodePage", Way::Paste, IDC_SINGLE_NUMBER, "1\u20AC\u2713\u00A0", "1\x80?\xA0"}};

INSTANTIATE_TEST_SUITE_P(Fields, Entering, ::testing::ValuesIn(kEntered), kByName);

TEST_F(Keyboard, TypingStopsWhenANumberFieldIsFullButStillReplacesASelection) {
  for (const ControlId id : {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER, IDC_SINGLE_NUMBER}) {
    TypeInto(id, QString(60, u'8'));
    const auto* field = qobject_cast<QLineEdit*>(Control(id));
    EXPECT_GT(field->text().size(), 5) << id;
    EXPECT_LT(field->fontMetrics().horizontalAdvance(field->text()), field->width() - 4) << id;
    TypeInto(id, QStringLiteral("5"));
    EXPECT_EQ(Text(id), "5") << id;
  }
}

}  // namespace
