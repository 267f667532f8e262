#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>

#include "window_fixture.h"

namespace {

using Keyboard = WindowTest;

TEST_F(Keyboard, TabVisitsFieldsAndButtonsInTheFormsOrder) {
  for (const ControlPlace& place : kControls) {  // the form lists its controls in tab order
    EXPECT_EQ(FocusedId(), place.id);
    Press(Qt::Key_Tab);
  }
  EXPECT_EQ(FocusedId(), IDC_BINARY);
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(FocusedId(), IDC_ABOUT);
}

TEST_F(Keyboard, EnterInAFieldPressesNothingAndEscapeClosesTheWindow) {
  QSignalSpy finished(&Window(), &QDialog::finished);
  ClickOn(IDC_ABOUT);  // a button that had the focus does not become the default
  ASSERT_EQ(TakeBoxes().size(), 1);
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("12"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  ClickOn(IDC_RESULT);
  Press(Qt::Key_Return);
  EXPECT_TRUE(TakeBoxes().empty());
  EXPECT_EQ(Text(IDC_RESULT), "");
  EXPECT_EQ(finished.count(), 0);
  Press(Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 1);
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
  const char* decimal = nullptr;  // not checked where nullptr
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
  if (entered.decimal != nullptr) {
    EXPECT_EQ(Text(IDC_DECIMAL), entered.decimal);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Entering,
    ::testing::Values(
        Entered{"BinaryKeysZeroAndOne", Way::Keys, IDC_BINARY, "1a0-b 2391.x", "101", "5"},
        Entered{"BinaryKeysUpTo32", Way::Keys, IDC_BINARY, QString(40, u'1'), std::string(32, '1'),
                "4294967295"},
        Entered{"NumberKeysDigitsOnly", Way::Keys, IDC_FIRST_NUMBER, "-42e3", "423"},
        Entered{"BinaryInputMethodRefused", Way::InputMethod, IDC_BINARY, "12", ""},
        Entered{"BinaryInputMethodTaken", Way::InputMethod, IDC_BINARY, "11", "11", "3"},
        Entered{"BinaryPasteUnfiltered", Way::Paste, IDC_BINARY, QString(33, u'1') + "2 -",
                std::string(33, '1') + "2 -"},
        Entered{"PasteIntoTheCodePage", Way::Paste, IDC_SINGLE_NUMBER, "1\u20AC\u2713\u00A0",
                "1\x80?\xA0"}),
    kByName);

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
