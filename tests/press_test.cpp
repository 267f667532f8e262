// What every press of every suite's cases must do: write only its command's
// output field, leave the typed fields as they are, give the same events when
// pressed again, and end with the expected text, message box and outcome. And
// what the command table does with a notification that has no entry, and with
// About.
#include "tests/press.h"
#include "form/program.h"

namespace {

TEST_P(Press, WritesItsOutputAndShowsItsBox) {
  const PressCase& c = GetParam();
  const Command& command = *FindCommand(c.command);
  MemoryForm form;
  EXPECT_EQ(PressCommand(form, command, c.texts), c.outcome);
  const Events once = form.Events();
  form.ClearEvents();
  EXPECT_EQ(PressCommand(form, command, {}), c.outcome);
  EXPECT_EQ(form.Events(), once);
  for (std::size_t f = 0; f < c.texts.size(); ++f) {
    EXPECT_EQ(form.FieldText(command.fields[f].id), c.texts[f]) << command.fields[f].name;
  }
  std::string result;
  const char* box = nullptr;
  for (const MemoryForm::Event& event : once) {
    if (event.kind == EventKind::SetText) result = event.text;
    if (event.kind == EventKind::MessageBox) box = event.text.c_str();
    EXPECT_TRUE(event.kind != EventKind::SetText || event.id == command.output);
  }
  EXPECT_EQ(result, c.result);
  EXPECT_STREQ(box, c.box);
}

TEST(CommandTable, IgnoresANotificationWithoutAnEntry) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  EXPECT_FALSE(DispatchCommand(dialog, IDC_FIRST_NUMBER, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_DIVIDE, Notification::TextChanged));
}

TEST(CommandTable, AboutShowsItsBoxUnderItsCaption) {
  const Events expected{{EventKind::MessageBox, 0, kAboutText, "About Ezo's Numbrel", 0}};
  EXPECT_EQ(Pressed("about", {}), expected);
}

}  // namespace
