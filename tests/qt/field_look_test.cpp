// A read-only field looks read-only, as the platforms draw one: on the
// window's own colour, where an editable field is on the colour for typing.
#include "window_fixture.h"

namespace {

struct Look {
  const char* name;
  ControlId id;
  bool readOnly;
};

class FieldLook : public WindowCaseTest<Look> {};

TEST_P(FieldLook, AReadOnlyOneOnTheWindowColour) {
  const QPalette& window = Window().palette();
  const QColor base = Control(GetParam().id)->palette().color(QPalette::Base);
  EXPECT_EQ(base,
            GetParam().readOnly ? window.color(QPalette::Window) : window.color(QPalette::Base));
  EXPECT_NE(window.color(QPalette::Window), window.color(QPalette::Base));
}

const Look kLooks[] = {{"Binary", IDC_BINARY, false},
                       {"Decimal", IDC_DECIMAL, true},
                       {"First number", IDC_FIRST_NUMBER, false},
                       {"Divided by", IDC_SECOND_NUMBER, false},
                       {"Single number", IDC_SINGLE_NUMBER, false}};

INSTANTIATE_TEST_SUITE_P(Fields, FieldLook, ::testing::ValuesIn(kLooks), kByName);

}  // namespace
