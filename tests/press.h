// One user action on a fresh form, as the operations' tests make it: fields
// typed (or pasted) as given and the command of a source dispatched through
// the command table. Every suite lists its presses as PressCase values of the
// Press test (tests/press_test.cpp), which checks what every press must do.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "form/memory_form.h"

using Fields = std::vector<std::pair<ControlId, std::string>>;
using Events = std::vector<MemoryForm::Event>;
using EventKind = MemoryForm::EventKind;

// The texts two commands write before their answer or refusal.
inline const std::string kBitsIntro =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";
inline const std::string kGcfBanner =
    "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n";

inline Fields One(std::string number) { return {{IDC_SINGLE_NUMBER, std::move(number)}}; }
inline Fields Two(std::string first, std::string second) {
  return {{IDC_FIRST_NUMBER, std::move(first)}, {IDC_SECOND_NUMBER, std::move(second)}};
}

inline const Command& CommandOf(ControlId source) {
  return *std::find_if(kCommandTable.begin(), kCommandTable.end(),
                       [source](const Command& command) { return command.source == source; });
}

inline void PrintTo(const MemoryForm::Event& event, std::ostream* out) {
  *out << "{kind " << static_cast<int>(event.kind) << ", id " << event.id << ", "
       << testing::PrintToString(event.text) << ", depth " << event.waitDepth << "}";
}

struct Pressed {
  Events events;    // everything the form recorded, in order
  Outcome outcome;  // how the last press ended
};

// No command may change a typed field.
inline Pressed PressTimes(ControlId source, const Fields& fields, int times) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  for (const auto& [id, text] : fields) form.Type(id, text);
  Outcome outcome = Outcome::Answered;
  for (int n = 0; n < times; ++n) outcome = RunCommand(dialog, CommandOf(source));
  for (const auto& [id, text] : fields) EXPECT_EQ(form.FieldText(id), text) << "field " << id;
  return {form.Events(), outcome};
}

inline Events Dispatch(ControlId source, const Fields& fields) {
  return PressTimes(source, fields, 1).events;
}

struct PressCase {
  const char* name;
  ControlId source;
  Fields fields;
  std::string result;  // the last text written, to the command's output field
  Outcome outcome = Outcome::Answered;
  const char* box = nullptr;  // the message box's text, if one is shown
};

inline void PrintTo(Outcome outcome, std::ostream* out) {
  *out << (outcome == Outcome::Answered ? "answered" : "refused");
}

inline void PrintTo(const PressCase& c, std::ostream* out) { *out << c.name; }

class Press : public testing::TestWithParam<PressCase> {};

inline std::string CaseName(const testing::TestParamInfo<PressCase>& info) {
  return info.param.name;
}
