#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>

#include "window_fixture.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

using Accessibility = WindowTest;

TEST_F(Accessibility, EveryControlHasItsNameRoleAndReadOnlyState) {
  const struct {
    ControlId id;
    const char* name;
    QAccessible::Role role;
    bool readOnly;
  } controls[] = {
      {IDC_BINARY, "Binary", QAccessible::EditableText, false},
      {IDC_DECIMAL, "Decimal", QAccessible::EditableText, true},
      {IDC_FIRST_NUMBER, "First number", QAccessible::EditableText, false},
      {IDC_SECOND_NUMBER, "Divided by", QAccessible::EditableText, false},
      {IDC_SINGLE_NUMBER, "Number to factorize or for bits", QAccessible::EditableText, false},
      {IDC_RESULT, "Result", QAccessible::EditableText, true},
      {IDC_DIVIDE, "Divide", QAccessible::Button, false},
      {IDC_GCF_LCM, "GCF/LCM", QAccessible::Button, false},
      {IDC_PRIME_FACTORS, "Prime Factors", QAccessible::Button, false},
      {IDC_ALL_FACTORS, "All Factors", QAccessible::Button, false},
      {IDC_BITS, "Bits", QAccessible::Button, false},
      {IDC_ABOUT, "About", QAccessible::Button, false},
  };
  for (const auto& control : controls) {
    QAccessibleInterface* accessible = Accessible(Control(control.id));
    ASSERT_NE(accessible, nullptr) << control.name;
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(control.name));
    EXPECT_EQ(accessible->role(), control.role) << control.name;
    EXPECT_EQ(bool(accessible->state().readOnly), control.readOnly) << control.name;
  }
  EXPECT_FALSE(Accessible(Control(IDC_BINARY))->text(QAccessible::Description).isEmpty());
}

TEST_F(Accessibility, EachLabelLabelsItsField) {
  const std::pair<const char*, ControlId> labels[] = {
      {"Binary:", IDC_BINARY},
      {"Decimal:", IDC_DECIMAL},
      {"Divided by:", IDC_SECOND_NUMBER},
      {"Number to factorize or for bits:", IDC_SINGLE_NUMBER},
      {"Result for Divide/GCF/LCM/Prime factors/All factors/Bits:", IDC_RESULT},
  };
  for (const auto& [text, id] : labels) {
    QWidget* labelled = nullptr;
    for (const QLabel* label : Window().findChildren<QLabel*>()) {
      if (label->text() == QString::fromLatin1(text)) labelled = label->buddy();
    }
    EXPECT_EQ(labelled, Control(id)) << text;
    const auto relations = Accessible(Control(id))->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1) << text;
    EXPECT_EQ(relations[0].first->text(QAccessible::Name), QString::fromLatin1(text));
  }
}

// Offscreen, Qt tells no assistive technology of changes (QAccessible is
// never active there): what can be checked is that a reader finds the new text.
TEST_F(Accessibility, AReaderFindsTheNewResultInTheResultField) {
  TypeInto(IDC_SINGLE_NUMBER, QStringLiteral("10"));
  ClickOn(IDC_BITS);
  QAccessibleTextInterface* text = Accessible(Control(IDC_RESULT))->textInterface();
  ASSERT_NE(text, nullptr);
  const QString shown = ControlAs<QPlainTextEdit>(IDC_RESULT)->toPlainText();
  EXPECT_EQ(text->characterCount(), shown.size());
  EXPECT_EQ(text->text(0, text->characterCount()), shown);
}

}  // namespace
