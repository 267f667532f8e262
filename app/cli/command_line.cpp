#include "app/cli/command_line.h"

#include "app/cli/options.h"
#include "commands/command_words.h"

namespace {

// "-7" and "-0" are numbers; "-x" and "--raw" look like options.
bool LooksLikeOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

CommandLine Refuse(CommandLine line, std::string error) {
  line.usageError = std::move(error);
  return line;
}

}  // namespace

CommandLine ReadCommandLine(std::span<const std::string> args) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && line.command == nullptr && arg == kHelpCommand) {
      line.action = CommandLine::Action::Help;
      return line;
    } else if (!optionsEnded && LooksLikeOption(arg)) {
      const CliOption* option = FindOption(arg);
      if (option == nullptr && line.command != nullptr && !arg.starts_with("--")) {
        return Refuse(line, "'" + arg + "' is not a number; to give a field text that begins " +
                                "with '-', put -- before the field texts");
      }
      if (option == nullptr) return Refuse(line, "unknown option '" + arg + "'");
      switch (option->id) {
        case OptionId::Help:
          line.action = CommandLine::Action::Help;
          return line;
        case OptionId::Version:
          line.action = CommandLine::Action::Version;
          return line;
        case OptionId::AsTyped:
          line.asTyped = true;
          break;
        case OptionId::Json:
          line.json = true;
          break;
        case OptionId::Null:
          line.null = true;
          break;
        case OptionId::Raw:
          line.raw = true;
          break;
      }
    } else if (line.command == nullptr) {
      line.command = FindScriptable(arg);
      if (line.command == nullptr) return Refuse(line, UnknownCommand(arg));
    } else {
      line.fields.push_back(arg);
    }
  }
  if (line.command == nullptr) return Refuse(line, "no command given");
  // JSON is UTF-8 text; --raw's bytes are Windows-1252.
  if (line.json && line.raw) return Refuse(line, "--json and --raw do not go together");
  return line;
}
