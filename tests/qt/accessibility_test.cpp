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
  const Spoken& spoken = GetParam();
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(spoken.id));
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(spoken.name));
  EXPECT_EQ(bool(accessible->state().readOnly), spoken.readOnly);
  const auto labels = accessible->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), spoken.label ? 1 : 0);
  for (const auto& [label, relation] : labels) {
    EXPECT_EQ(label->text(QAccessible::Name), QString::fromLatin1(spoken.label));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Accessibility,
    ::testing::Values(Spoken{"Binary", IDC_BINARY, false, "Binary:"},
                      Spoken{"Decimal", IDC_DECIMAL, true, "Decimal:"},
                      Spoken{"First number", IDC_FIRST_NUMBER, false, nullptr},
                      Spoken{"Divided by", IDC_SECOND_NUMBER, false, "Divided by:"},
                      Spoken{"Number to factorize or for bits", IDC_SINGLE_NUMBER, false,
                             "Number to factorize or for bits:"},
                      Spoken{"Result", IDC_RESULT, true,
                             "Result for Divide/GCF/LCM/Prime factors/All factors/Bits:"},
                      Spoken{"Divide", IDC_DIVIDE, false, nullptr},
                      Spoken{"GCF/LCM", IDC_GCF_LCM, false, nullptr},
                      Spoken{"Prime Factors", IDC_PRIME_FACTORS, false, nullptr},
                      Spoken{"All Factors", IDC_ALL_FACTORS, false, nullptr},
                      Spoken{"Bits", IDC_BITS, false, nullptr},
                      Spoken{"About", IDC_ABOUT, false, nullptr}),
    kByName);

}  // namespace
