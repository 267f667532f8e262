// What numbrel-cli's arguments ask for: the help, the version, or runs of one
// command with the options that say how to read the fields and write the
// answers; or the usage error that stops the call before anything runs.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "commands/command_table.h"

struct CommandLine {
  enum class Action { Run, Help, Version };
  Action action = Action::Run;
  const Command* command = nullptr;
  std::vector<std::string> fields;  // as given, every run's in turn
  bool asTyped = false;
  bool json = false;
  bool null = false;
  bool raw = false;
  std::string usageError;  // empty when the arguments can be run
};

// args without the program's name. Options may stand anywhere before "--";
// "-7" is a number, not an option. The first help, version or error met wins.
CommandLine ReadCommandLine(std::span<const std::string> args);
