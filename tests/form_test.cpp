#include <gtest/gtest.h>

#include <string>

#include "form/program.h"
#include "tests/press.h"

namespace {

// Writes, SetDlgItemInt among them, are checked through the operations and on
// the real widgets.
TEST(FormOperations, ReadAFieldsTextCutAndItsNumberWhole) {
  MemoryForm form;
  form.Type(IDC_BINARY, std::string(150, 'x'));
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 100), std::string(99, 'x'));
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 1), "");
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 0), "");
  // A number is read from the whole field, not from its first 99 characters.
  form.Type(IDC_FIRST_NUMBER, std::string(150, ' ') + "-7");
  EXPECT_EQ(form.GetDlgItemInt(IDC_FIRST_NUMBER, Reading::Signed), 0u - 7u);
  EXPECT_EQ(form.GetDlgItemInt(IDC_FIRST_NUMBER, Reading::Unsigned), 0u);
}

TEST(CommandTable, IgnoresANotificationWithoutAnEntry) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_FIRST_NUMBER, "101");
  EXPECT_FALSE(DispatchCommand(dialog, IDC_FIRST_NUMBER, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_BINARY, Notification::Clicked));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_DIVIDE, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, -1, Notification::Clicked));
  EXPECT_TRUE(form.Events().empty());
}

TEST(CommandTable, AboutShowsItsTwoLinesUnderItsCaptionAndLeavesTheFields) {
  const Events expected{{EventKind::MessageBox, 0, kAboutText, "About Ezo's Numbrel", 0}};
  EXPECT_EQ(Dispatch(IDC_ABOUT, {{IDC_SINGLE_NUMBER, "12"}}), expected);
  EXPECT_NE(std::string(kAboutText).find('\n'), std::string::npos);
}

TEST(CommandTable, GivesTheSameTextWhenAButtonIsPressedTwice) {
  const std::pair<ControlId, Fields> presses[] = {
      {IDC_DIVIDE, {{IDC_FIRST_NUMBER, "100"}, {IDC_SECOND_NUMBER, "7"}}},
      {IDC_GCF_LCM, {{IDC_FIRST_NUMBER, "2095133040"}, {IDC_SECOND_NUMBER, "1396755360"}}},
      {IDC_PRIME_FACTORS, {{IDC_SINGLE_NUMBER, "2146654199"}}},
      {IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, "720720"}}},
      {IDC_BITS, {{IDC_SINGLE_NUMBER, "3000"}}},
  };
  for (const auto& [button, fields] : presses) {
    const Events twice = Dispatch(button, fields, Notification::Clicked, 2);
    ASSERT_FALSE(twice.empty());
    const auto half = twice.begin() + static_cast<std::ptrdiff_t>(twice.size() / 2);
    EXPECT_EQ(Events(twice.begin(), half), Events(half, twice.end())) << "button " << button;
  }
}

}  // namespace
