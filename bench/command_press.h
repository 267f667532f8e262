// A command run as a shell runs it: its fields typed into an in-memory form,
// its notification delivered through the command table. The command's facts
// come from the table, by the name scripts use.
#pragma once

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>

#include "commands/command_table.h"
#include "form/memory_form.h"

inline void PressCommandRepeatedly(benchmark::State& state, const char* name,
                                   std::initializer_list<std::string> fieldTexts) {
  const Command& command = *FindCommand(name);
  MemoryForm form;
  CNumbersDlg dialog(form);
  auto text = fieldTexts.begin();
  for (const CommandField& field : command.fields) form.Type(field.id, *text++);
  for (auto _ : state) {
    RunCommand(dialog, command);
    form.ClearEvents();
  }
}
