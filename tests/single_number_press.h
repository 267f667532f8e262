// Pressing a button that reads the single-number field, as the tests of those
// operations do it: the field pasted, the click dispatched through the command
// table, and the one write it must make to the result field returned.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "form/command_table.h"
#include "form/memory_form.h"

inline std::string PressWithSingleNumber(ControlId button, const std::string& field) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, field);
  DispatchCommand(dialog, button, Notification::Clicked);
  EXPECT_EQ(form.Events().size(), 1u);
  if (form.Events().size() != 1) return {};
  EXPECT_EQ(form.Events()[0].kind, MemoryForm::EventKind::SetText);
  EXPECT_EQ(form.Events()[0].id, IDC_RESULT);
  EXPECT_EQ(form.FieldText(IDC_SINGLE_NUMBER), field);
  return form.Events()[0].text;
}
