// What typing may put into each field of the real layout, and the layout held
// against the command table: a field takes a "-" exactly where some command
// reads it signed.
#include "form/typing_rule.h"

#include <algorithm>

#include "tests/press.h"

namespace {

struct TypedCase {
  const char* name;
  ControlId id;
  std::string before;  // what the field keeps in front of the selection
  std::string typed;
  std::string after;  // what it keeps behind it
  bool accepted;
};

void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class Typing : public testing::TestWithParam<TypedCase> {};

TEST_P(Typing, TakesOnlyWhatTheRuleAllows) {
  const TypedCase& c = GetParam();
  const ControlPlace& place = *std::ranges::find(kControls, c.id, &ControlPlace::id);
  EXPECT_EQ(AcceptsTyped(place, c.before, c.typed, c.after), c.accepted);
}

const std::string k31Ones(31, '1');

const TypedCase kTyped[] = {
    {"BinaryRefusesOtherDigits", IDC_BINARY, "1", "2", "", false},
    {"BinaryRefusesAMinus", IDC_BINARY, "", "-", "1", false},
    {"BinaryTakesTheThirtySecondDigit", IDC_BINARY, k31Ones, "1", "", true},
    {"BinaryRefusesTheThirtyThird", IDC_BINARY, k31Ones, "1", "1", false},
    {"BinaryCountsWhatTheSelectionKeeps", IDC_BINARY, "", "0", k31Ones, true},
    {"ANumberTakesAMinusAndDigitsAtOnce", IDC_SECOND_NUMBER, "", "-12", "", true},
    {"AMinusGoesInFrontOfDigits", IDC_SINGLE_NUMBER, "", "-", "12", true},
    {"ASecondMinusIsRefused", IDC_FIRST_NUMBER, "-", "-", "12", false},
    {"AMinusInFrontOfAMinusIsRefused", IDC_FIRST_NUMBER, "", "-", "-12", false},
    {"ASecondMinusTypedAtOnceIsRefused", IDC_SECOND_NUMBER, "", "-1-", "", false},
    {"NothingGoesInFrontOfAMinus", IDC_SINGLE_NUMBER, "", "5", "-12", false},
    {"DigitsGoAfterAPastedMinusElsewhere", IDC_SINGLE_NUMBER, "1-", "2", "", true},
    {"ANumberRefusesLettersAndSpaces", IDC_SINGLE_NUMBER, "1", "2 e", "", false},
    {"ANumberRefusesAZeroByte", IDC_SINGLE_NUMBER, "1", std::string(1, '\0'), "", false},
    {"ANumberHasNoCountOfItsOwn", IDC_SINGLE_NUMBER, std::string(1000, '9'), "9", "", true},
    {"DecimalTakesNoTyping", IDC_DECIMAL, "", "1", "", false},
};
INSTANTIATE_TEST_SUITE_P(Fields, Typing, testing::ValuesIn(kTyped),
                         [](const auto& test) { return std::string(test.param.name); });

// Read unsigned, -2 and -3 are both below 0 and refused alike; as binary
// digits both weigh 0. Only a signed reading tells them apart.
bool ReadsSigned(const Command& command, ControlId id) {
  const auto eventsWith = [&](const char* text) {
    Texts texts;
    for (const CommandField& field : command.fields)
      texts.emplace_back(field.id == id ? text : "1");
    return Pressed(command.name, texts);
  };
  return eventsWith("-2") != eventsWith("-3");
}

TEST(TypingLayout, TakesAMinusExactlyWhereSomeCommandReadsTheFieldSigned) {
  for (const ControlPlace& place : kControls) {
    const bool signedSomewhere =
        std::any_of(kCommandTable.begin(), kCommandTable.end(), [&](const Command& command) {
          return std::any_of(command.fields.begin(), command.fields.end(),
                             [&](const CommandField& field) {
                               return field.id == place.id && ReadsSigned(command, place.id);
                             });
        });
    EXPECT_EQ(AcceptsTyped(place, "", "-", "1"), signedSomewhere) << place.name;
  }
}

}  // namespace
