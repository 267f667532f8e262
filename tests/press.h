// One user action on a fresh form, as the operations' tests make it: fields
// typed (or pasted) as given, a notification dispatched through the command
// table (once, or as often as asked), and everything the form recorded, in
// order. No operation may change a field the user typed.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_table.h"
#include "form/memory_form.h"

using Fields = std::vector<std::pair<ControlId, std::string>>;
using Events = std::vector<MemoryForm::Event>;
using EventKind = MemoryForm::EventKind;

inline void PrintTo(const MemoryForm::Event& event, std::ostream* out) {
  *out << "{kind " << static_cast<int>(event.kind) << ", id " << event.id << ", "
       << testing::PrintToString(event.text) << ", caption "
       << testing::PrintToString(event.caption) << ", depth " << event.waitDepth << "}";
}

inline Events Dispatch(ControlId source, const Fields& fields,
                       Notification notification = Notification::Clicked, int times = 1) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  for (const auto& [id, text] : fields) form.Type(id, text);
  for (int n = 0; n < times; ++n) DispatchCommand(dialog, source, notification);
  for (const auto& [id, text] : fields) EXPECT_EQ(form.FieldText(id), text) << "field " << id;
  return form.Events();
}

// A write of text into a field, made with the busy pointer's count at depth.
inline MemoryForm::Event Write(std::string text, ControlId id = IDC_RESULT, int depth = 0) {
  return {EventKind::SetText, id, std::move(text), std::nullopt, depth};
}

// The text of a press that must write the result field once and do nothing else.
inline std::string OnlyWrite(ControlId button, const Fields& fields) {
  const Events events = Dispatch(button, fields);
  if (events.size() != 1 || events[0].kind != EventKind::SetText || events[0].id != IDC_RESULT) {
    ADD_FAILURE() << "not one write of the result field: " << testing::PrintToString(events);
    return {};
  }
  return events[0].text;
}
