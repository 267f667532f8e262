// The shells' one conversion of the core's texts: the code page and the line
// ends, both ways.
#include "form/shell_text.h"

#include <gtest/gtest.h>

namespace {

struct ShellTextCase {
  const char* name;
  std::string core;   // Windows-1252, "\r\n"
  std::string shell;  // UTF-8, "\n"
};

void PrintTo(const ShellTextCase& c, std::ostream* out) { *out << c.name; }

class ShellTextBothWays : public testing::TestWithParam<ShellTextCase> {};

TEST_P(ShellTextBothWays, Converts) {
  EXPECT_EQ(ToShellText(GetParam().core), GetParam().shell);
  EXPECT_EQ(FromShellText(GetParam().shell), GetParam().core);
}

INSTANTIATE_TEST_SUITE_P(, ShellTextBothWays,
                         testing::Values(ShellTextCase{"LineEnds", "a\r\n\r\nb\r\n", "a\n\nb\n"},
                                         ShellTextCase{"TheNoBreakSpaceAndTheEuro",
                                                       "3.\xA0[\xA0\x80",
                                                       "3.\xC2\xA0[\xC2\xA0\xE2\x82\xAC"},
                                         ShellTextCase{"ATab", "\t", "\t"},
                                         ShellTextCase{"Nothing", "", ""}),
                         [](const auto& test) { return std::string(test.param.name); });

// A carriage return that ends no line is a character of the text.
TEST(ShellText, KeepsALoneCarriageReturn) {
  EXPECT_EQ(ToShellText("a\rb\r"), "a\rb\r");
  EXPECT_EQ(ToShellText("a\r\r\nb"), "a\r\nb");
}

TEST(ShellText, GivesAQuestionMarkForWhatTheCodePageCannotHold) {
  EXPECT_EQ(FromShellText("\xE2\x9C\x93\n"), "?\r\n");
}

}  // namespace
