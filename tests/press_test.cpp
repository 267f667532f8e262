// What every press of every suite's cases must do: write only its command's
// output field, leave the busy pointer at rest, give the same events when
// pressed again, and end with the expected text, message box and outcome. And what the
// command table does with a notification that has no entry, and with About.
#include "tests/press.h"
#include "form/program.h"

namespace {

TEST_P(Press, WritesItsOutputAndShowsItsBox) {
  const PressCase& c = GetParam();
  const Pressed pressed = PressTimes(c.source, c.fields, 2);
  const Events& twice = pressed.events;
  ASSERT_FALSE(twice.empty());
  const Events once(twice.begin(), twice.begin() + static_cast<std::ptrdiff_t>(twice.size() / 2));
  EXPECT_EQ(Events(twice.begin() + static_cast<std::ptrdiff_t>(once.size()), twice.end()), once);
  std::string result;
  const char* box = nullptr;
  for (const MemoryForm::Event& event : once) {
    if (event.kind == EventKind::SetText) result = event.text;
    if (event.kind == EventKind::MessageBox) box = event.text.c_str();
    EXPECT_TRUE(event.kind != EventKind::SetText || event.id == CommandOf(c.source).output);
  }
  EXPECT_EQ(once.back().waitDepth, 0);
  EXPECT_EQ(result, c.result);
  EXPECT_STREQ(box, c.box);
  EXPECT_EQ(pressed.outcome, c.outcome);
}

TEST(CommandTable, IgnoresANotificationWithoutAnEntry) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  EXPECT_FALSE(DispatchCommand(dialog, IDC_FIRST_NUMBER, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_BINARY, Notification::Clicked));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_DIVIDE, Notification::TextChanged));
  EXPECT_TRUE(form.Events().empty());
}

TEST(CommandTable, AboutShowsItsTwoLinesUnderItsCaptionAndLeavesTheFields) {
  const Events expected{{EventKind::MessageBox, 0, kAboutText, "About Ezo's Numbrel", 0}};
  EXPECT_EQ(Dispatch(IDC_ABOUT, One("12")), expected);
  EXPECT_NE(std::string(kAboutText).find('\n'), std::string::npos);
}

}  // namespace
