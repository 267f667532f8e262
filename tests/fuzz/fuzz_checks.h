// What a fuzzed run of each command must satisfy: the busy pointer is back,
// the input fields are untouched, the output was written, and the text equals
// the literal reference wherever that reference is defined. A failed check
// aborts, which the fuzzer reports with the input that caused it.
#pragma once

#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"

struct FuzzCommand {
  const char* name;
  std::vector<ControlId> fields;
  ControlId source;
  Notification notification;
  ControlId output;
};

// The commands in the order of their NUMBREL_FUZZ_COMMAND numbers.
const FuzzCommand& FuzzCommandNumber(int number);
void CheckRun(const FuzzCommand& command, const MemoryForm& before, const MemoryForm& after);
