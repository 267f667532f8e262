#include <gtest/gtest.h>

#include <string>

#include "form/about.h"
#include "form/command_table.h"
#include "form/memory_form.h"

namespace {

using Kind = MemoryForm::EventKind;

TEST(FormOperations, GetDlgItemTextKeepsAtMostCountMinusOneCharacters) {
  MemoryForm form;
  form.Type(IDC_BINARY, std::string(150, 'x'));
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 100), std::string(99, 'x'));
  form.Type(IDC_BINARY, std::string(99, 'y'));
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 100), std::string(99, 'y'));
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 1), "");
  EXPECT_EQ(form.GetDlgItemText(IDC_BINARY, 0), "");
  EXPECT_EQ(form.GetDlgItemText(IDC_DECIMAL, 100), "");
}

TEST(FormOperations, SetDlgItemIntWritesUnsignedDigits) {
  MemoryForm form;
  form.SetDlgItemInt(IDC_DECIMAL, 4294967295u);
  EXPECT_EQ(form.FieldText(IDC_DECIMAL), "4294967295");
  form.SetDlgItemInt(IDC_DECIMAL, 0);
  EXPECT_EQ(form.FieldText(IDC_DECIMAL), "0");
}

TEST(FormOperations, GetDlgItemIntReadsTheWholeFieldByTheFormsRule) {
  MemoryForm form;
  form.Type(IDC_FIRST_NUMBER, std::string(150, ' ') + "-7");
  EXPECT_EQ(static_cast<int32_t>(form.GetDlgItemInt(IDC_FIRST_NUMBER, Reading::Signed)), -7);
  EXPECT_EQ(form.GetDlgItemInt(IDC_FIRST_NUMBER, Reading::Unsigned), 0u);
}

TEST(FormOperations, AWriteReplacesTheWholeText) {
  MemoryForm form;
  form.SetDlgItemText(IDC_RESULT, "first\r\nresult");
  form.SetDlgItemText(IDC_RESULT, "2");
  EXPECT_EQ(form.FieldText(IDC_RESULT), "2");
}

TEST(MemoryForm, RecordsTheBusyPointersNestingCount) {
  MemoryForm form;
  form.BeginWaitCursor();
  form.BeginWaitCursor();
  form.EndWaitCursor();
  form.EndWaitCursor();
  form.EndWaitCursor();
  ASSERT_EQ(form.Events().size(), 5u);
  const int depths[] = {1, 2, 1, 0, 0};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(form.Events()[i].waitDepth, depths[i]);
  EXPECT_EQ(form.WaitDepth(), 0);
}

TEST(CommandTable, HoldsTheSevenEntriesInOrder) {
  const ControlId sources[] = {IDC_BINARY,      IDC_DIVIDE,  IDC_GCF_LCM, IDC_PRIME_FACTORS,
                               IDC_ALL_FACTORS, IDC_BITS,    IDC_ABOUT};
  ASSERT_EQ(kCommandTable.size(), 7u);
  for (std::size_t i = 0; i < kCommandTable.size(); ++i) {
    EXPECT_EQ(kCommandTable[i].source, sources[i]);
    EXPECT_EQ(kCommandTable[i].notification,
              i == 0 ? Notification::TextChanged : Notification::Clicked);
  }
}

TEST(CommandTable, IgnoresANotificationWithoutAnEntry) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_FIRST_NUMBER, "101");
  EXPECT_FALSE(DispatchCommand(dialog, IDC_FIRST_NUMBER, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_BINARY, Notification::Clicked));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_DIVIDE, Notification::TextChanged));
  EXPECT_FALSE(DispatchCommand(dialog, IDC_RESULT, Notification::Clicked));
  EXPECT_FALSE(DispatchCommand(dialog, -1, Notification::Clicked));
  EXPECT_TRUE(form.Events().empty());
}

TEST(CommandTable, AboutShowsItsBoxWithItsCaptionAndLeavesTheFields) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, "12");
  EXPECT_TRUE(DispatchCommand(dialog, IDC_ABOUT, Notification::Clicked));
  ASSERT_EQ(form.Events().size(), 1u);
  const MemoryForm::Event& box = form.Events()[0];
  EXPECT_EQ(box.kind, Kind::MessageBox);
  EXPECT_EQ(box.caption, std::optional<std::string>("About Ezo's Numbrel"));
  EXPECT_EQ(box.text, kAboutText);
  EXPECT_NE(box.text.find('\n'), std::string::npos);
  EXPECT_EQ(form.FieldText(IDC_SINGLE_NUMBER), "12");
}

}  // namespace
