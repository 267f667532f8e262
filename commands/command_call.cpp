#include "commands/command_call.h"

#include "commands/command_words.h"

std::variant<CommandCall, std::string> ReadCommandCall(std::span<const std::string> words) {
  const Command* command = FindScriptable(words.front());
  if (command == nullptr) return UnknownCommand(words.front());
  const std::span<const std::string> texts = words.subspan(1);
  if (texts.size() < command->fields.size()) return NeedsFields(*command);
  if (texts.size() > command->fields.size()) {
    return std::string(command->name) + " takes only " + FieldNames(*command, " and ");
  }
  return CommandCall{command, std::vector<std::string>(texts.begin(), texts.end())};
}
