#include <QAccessible>

#include "window_fixture.h"

namespace {

// What a screen reader finds for each control, through Qt's accessibility interface.
struct Spoken {
  const char* name;
  ControlId id;
  bool readOnly;
  const char* label;  // the label that names it, or nullptr
};

class Accessibility : public WindowCaseTest<Spoken> {};

TEST_P(Accessibility, NameReadOnlyStateAndLabel) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(GetParam().id));
  EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(GetParam().name));
  EXPECT_EQ(bool(accessible->state().readOnly), GetParam().readOnly);
  const auto labels = accessible->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), GetParam().label ? 1 : 0);
  for (const auto& [label, relation] : labels) {
    EXPECT_EQ(label->text(QAccessible::Name), QString::fromLatin1(GetParam().label));
  }
}

const Spoken kSpoken[] = {
    {"Binary", IDC_BINARY, false, "Binary:"},
    {"Decimal", IDC_DECIMAL, true, "Decimal:"},
    {"First number", IDC_FIRST_NUMBER, false, nullptr},
    {"Divided by", IDC_SECOND_NUMBER, false, "Divided by:"},
    {"Number to factorize or for bits", IDC_SINGLE_NUMBER, false,
     "Number to factorize or for bits:"},
    {"Result", IDC_RESULT, true, "Result for Divide/GCF/LCM/Prime factors/All factors/Bits:"},
    {"Divide", IDC_DIVIDE, false, nullptr},
    {"GCF/LCM", IDC_GCF_LCM, false, nullptr},
    {"Prime Factors", IDC_PRIME_FACTORS, false, nullptr},
    {"All Factors", IDC_ALL_FACTORS, false, nullptr},
    {"Bits", IDC_BITS, false, nullptr},
    {"About", IDC_ABOUT, false, nullptr}};

INSTANTIATE_TEST_SUITE_P(Controls, Accessibility, ::testing::ValuesIn(kSpoken), kByName);

}  // namespace
