// The shells' one conversion of the core's texts: the line ends, and the code
// page (its every byte is the code page's own test), both ways.
#include "form/shell_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellText, ConvertsLineEndsAndTheCodePageBothWays) {
  EXPECT_EQ(ToShellText("a\r\n\r\n3.\xA0[\t\r\n3.142857142857\xA0[\x80"),
            "a\n\n3.\xC2\xA0[\t\n3.142857142857\xC2\xA0[\xE2\x82\xAC");
  EXPECT_EQ(FromShellText("a\n\n3.\xC2\xA0[\t\n\xE2\x9C\x93"), "a\r\n\r\n3.\xA0[\t\r\n?");
}

// A carriage return that ends no line is a character of the text.
TEST(ShellText, KeepsALoneCarriageReturn) {
  EXPECT_EQ(ToShellText("a\rb\r"), "a\rb\r");
  EXPECT_EQ(ToShellText("a\r\r\nb"), "a\r\nb");
}

}  // namespace
