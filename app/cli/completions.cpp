#include "app/cli/completions.h"

#include <vector>

#include "app/cli/options.h"
#include "commands/command_words.h"

namespace {

struct Word {
  std::string_view word;
  std::string_view description;
};

// The words that can stand for the command, in the help's order.
std::vector<Word> CommandWords() {
  std::vector<Word> words;
  for (const Command& command : kCommandTable) {
    if (IsScriptable(command)) words.push_back({command.name, command.description});
  }
  words.push_back({kHelpCommand, kHelpCommandMeaning});
  return words;
}

// Every spelling of every option, the long one first.
std::vector<Word> OptionWords() {
  std::vector<Word> words;
  for (const CliOption& option : kCliOptions) {
    words.push_back({option.name, option.help});
    if (!option.shortName.empty()) words.push_back({option.shortName, option.help});
  }
  return words;
}

std::string Joined(const std::vector<Word>& words) {
  std::string joined;
  for (const Word& word : words) {
    if (!joined.empty()) joined += ' ';
    joined += word.word;
  }
  return joined;
}

// text between single quotes for a shell whose quote inside them is written as
// quote (bash and zsh: '\'', fish: \').
std::string SingleQuoted(std::string_view text, std::string_view quote) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += quote;
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

constexpr std::string_view kMadeFrom =
    "completion for numbrel-cli, made from its command table and options when it was built.\n";

std::string Bash() {
  return "# bash " + std::string(kMadeFrom) +
         "_numbrel_cli() {\n"
         "  local word=${COMP_WORDS[COMP_CWORD]} i\n"
         "  if [[ $word == -* ]]; then\n"
         "    mapfile -t COMPREPLY < <(compgen -W '" +
         Joined(OptionWords()) +
         "' -- \"$word\")\n"
         "    return 0\n"
         "  fi\n"
         "  # Once the command is given, the words are its fields: numbers.\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    [[ ${COMP_WORDS[i]} == -* ]] || return 0\n"
         "  done\n"
         "  mapfile -t COMPREPLY < <(compgen -W '" +
         Joined(CommandWords()) +
         "' -- \"$word\")\n"
         "}\n"
         "complete -F _numbrel_cli numbrel-cli\n";
}

// In an option's [description] the brackets, and everywhere the colon, are
// written with a backslash.
std::string ZshEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '[' || c == ']' || c == ':' || c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string Zsh() {
  std::string script =
      "#compdef numbrel-cli\n# zsh " + std::string(kMadeFrom) + "local -a commands\ncommands=(\n";
  for (const Word& command : CommandWords()) {
    script +=
        "  " +
        SingleQuoted(std::string(command.word) + ":" + ZshEscaped(command.description), "'\\''") +
        "\n";
  }
  script += ")\n_arguments -S \\\n";
  for (const Word& option : OptionWords()) {
    script += "  " +
              SingleQuoted(std::string(option.word) + "[" + ZshEscaped(option.description) + "]",
                           "'\\''") +
              " \\\n";
  }
  script +=
      "  '1: :{_describe command commands}' \\\n"
      "  '*:field: '\n";
  return script;
}

std::string Fish() {
  std::string script = "# fish " + std::string(kMadeFrom) + "complete -c numbrel-cli -f\n";
  for (const Word& command : CommandWords()) {
    script += "complete -c numbrel-cli -n __fish_use_subcommand -a " + std::string(command.word) +
              " -d " + SingleQuoted(command.description, "\\'") + "\n";
  }
  for (const CliOption& option : kCliOptions) {
    script += "complete -c numbrel-cli";
    if (!option.shortName.empty()) script += " -s " + std::string(option.shortName.substr(1));
    script += " -l " + std::string(option.name.substr(2)) + " -d " +
              SingleQuoted(option.help, "\\'") + "\n";
  }
  return script;
}

}  // namespace

std::string CompletionScript(std::string_view shell) {
  if (shell == "bash") return Bash();
  if (shell == "zsh") return Zsh();
  if (shell == "fish") return Fish();
  return {};
}
