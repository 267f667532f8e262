// What a fuzzed run of each command must satisfy: the busy pointer is back,
// the input fields are untouched, the output was written, and the text equals
// the literal reference wherever that reference is defined. A failed check
// aborts, which the fuzzer reports with the input that caused it.
#pragma once

#include "commands/command_table.h"
#include "form/memory_form.h"

// How long the bounded run of a command lasts, and what its text must equal.
struct FuzzPlan {
  ControlId source;
  int runs;  // inputs in the bounded run of make test
  void (*check)(const MemoryForm& before, const MemoryForm& after);
};

// The plan for a command, or nullptr for one that reads no field.
const FuzzPlan* FuzzPlanOf(const Command& command);
void CheckRun(const Command& command, const MemoryForm& before, const MemoryForm& after);
