#include "commands/command_words.h"

bool IsScriptable(const Command& command) { return command.output != 0; }

const Command* FindScriptable(std::string_view name) {
  const Command* command = FindCommand(name);
  return command != nullptr && IsScriptable(*command) ? command : nullptr;
}

std::string FieldNames(const Command& command, std::string_view lastSeparator) {
  std::string names;
  for (std::size_t f = 0; f < command.fields.size(); ++f) {
    if (f > 0) names += f + 1 == command.fields.size() ? lastSeparator : ", ";
    names += command.fields[f].name;
  }
  return names;
}

std::string CommandUsage(const Command& command) {
  return std::string(command.name) + " " + FieldNames(command, " ");
}

std::string UnknownCommand(std::string_view name) {
  return "unknown command '" + std::string(name) + "'";
}

std::string NeedsFields(const Command& command) {
  return std::string(command.name) + " needs " + FieldNames(command, " and ");
}
