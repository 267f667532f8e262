// A command pressed as a user presses it: the texts typed (or pasted) into its
// fields, in the order the command table lists them, then its handler run to
// its end through the table. The one way the terminal program, the tests, the
// fuzzer and the benchmarks run a command.
#pragma once

#include <span>
#include <string>

#include "commands/command_table.h"
#include "form/memory_form.h"

// Puts texts[i] into the command's i-th field, as a paste would; a field
// without a text keeps what it holds.
void TypeFields(MemoryForm& form, const Command& command, std::span<const std::string> texts);

// TypeFields, then the command's run on that form: how it ended.
Outcome PressCommand(MemoryForm& form, const Command& command, std::span<const std::string> texts);
