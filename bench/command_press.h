// A command pressed as a shell presses it, over and over: its fields typed
// once into an in-memory form, then each iteration one press through the
// command table. The command's facts come from the table, by the name scripts
// use.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "commands/press_command.h"

inline void PressCommandRepeatedly(benchmark::State& state, const char* name,
                                   const std::vector<std::string>& fieldTexts) {
  const Command& command = *FindCommand(name);
  MemoryForm form;
  TypeFields(form, command, fieldTexts);
  for (auto _ : state) {
    PressCommand(form, command, {});
    form.ClearEvents();
  }
}
