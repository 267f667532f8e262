// One user action on a fresh form, as the core's suites make it: texts typed
// (or pasted) into a command's fields in the command table's order, then the
// command pressed through the table (commands/press_command.h). Every suite
// lists its presses as PressCase values of the Press test
// (tests/press_test.cpp), which checks what every press must do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/press_command.h"

using Texts = std::vector<std::string>;
using Events = std::vector<MemoryForm::Event>;
using EventKind = MemoryForm::EventKind;

// The texts two commands write before their answer or refusal.
inline const std::string kBitsIntro =
    "Ezo's Bit combination finder VBETA, 1999\r\n"
    "\r\nThis program calculates the number of combinations for a given number of binary digits."
    "\r\n";
inline const std::string kGcfBanner =
    "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n";

inline void PrintTo(const MemoryForm::Event& event, std::ostream* out) {
  *out << "{kind " << static_cast<int>(event.kind) << ", id " << event.id << ", "
       << testing::PrintToString(event.text) << ", depth " << event.waitDepth << "}";
}

inline void PrintTo(Outcome outcome, std::ostream* out) {
  *out << (outcome == Outcome::Answered ? "answered" : "refused");
}

// What the form recorded of one press of the command scripts call by name.
inline Events Pressed(const char* command, const Texts& texts) {
  MemoryForm form;
  PressCommand(form, *FindCommand(command), texts);
  return form.Events();
}

struct PressCase {
  const char* name;
  const char* command;  // as scripts call it: "divide"
  Texts texts;          // typed into its fields, in the table's order
  std::string result;   // the last text written, to the command's output field
  Outcome outcome = Outcome::Answered;
  const char* box = nullptr;  // the message box's text, if one is shown
};

inline PressCase Refused(const char* name, const char* command, Texts texts, std::string result,
                         const char* box = nullptr) {
  return {name, command, std::move(texts), std::move(result), Outcome::Refused, box};
}

inline void PrintTo(const PressCase& c, std::ostream* out) { *out << c.name; }

class Press : public testing::TestWithParam<PressCase> {};

inline std::string CaseName(const testing::TestParamInfo<PressCase>& info) {
  return info.param.name;
}
