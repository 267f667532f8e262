// A command called by words on the desktop program's command line,
// `COMMAND FIELD...`: the scriptable command and exactly one text for each of
// its fields, or the usage error that says what is wrong, in the words
// numbrel-cli's own errors use (commands/command_words.h).
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "commands/command_table.h"

struct CommandCall {
  const Command* command;
  std::vector<std::string> texts;  // one for each of the command's fields, in table order
};

// words: the command's name, then its field texts. Never empty.
std::variant<CommandCall, std::string> ReadCommandCall(std::span<const std::string> words);
