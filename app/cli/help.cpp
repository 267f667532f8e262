#include "app/cli/help.h"

#include <algorithm>

#include "app/cli/options.h"
#include "commands/command_words.h"

namespace {

// Where the descriptions of the commands and of the options begin.
constexpr std::size_t kCommandColumn = 30;
constexpr std::size_t kOptionColumn = 15;

void AppendPadded(std::string& help, std::string entry, std::size_t column) {
  entry.resize(std::max(entry.size() + 2, column), ' ');
  help += entry;
}

}  // namespace

std::string HelpText() {
  std::string help =
      "Usage: numbrel-cli [OPTION]... COMMAND FIELD...\n"
      "  or:  numbrel-cli [OPTION]... COMMAND < LINES\n"
      "Ezo's Numbrel on a terminal: exact answers for whole numbers.\n\nCommands:\n";
  for (const Command& command : kCommandTable) {
    if (!IsScriptable(command)) continue;
    AppendPadded(help, "  " + std::string(command.name) + " " + FieldNames(command, " "),
                 kCommandColumn);
    help += std::string(command.description) + "\n";
    for (const CommandField& field : command.fields) {
      help += "      " + std::string(field.name) + "  " + FieldMeaning(field) + "\n";
    }
  }
  AppendPadded(help, "  " + std::string(kHelpCommand), kCommandColumn);
  help += std::string(kHelpCommandMeaning) + "\n";
  help +=
      "\nRuns:\n"
      "A command takes its fields once or several times, each group one run:\n"
      "\"numbrel-cli divide 22 7 1 3\" divides 22 by 7, then 1 by 3. With no field, and\n"
      "standard input not a terminal, each line of standard input is one run, its\n"
      "words the fields. The answers come in the order of the runs. A run that\n"
      "cannot be made is named on standard error and left out; the others go on.\n"
      "\nFields:\n"
      "A number field takes an optional \"-\" and decimal digits, nothing else (\"007\"\n"
      "is 7); TEXT takes 1 to 32 binary digits. Any other text is named, as in\n"
      "\"numbrel-cli: NUMBER 'abc' is not a whole number\". A number outside its\n"
      "field's range is refused as the window refuses it: divide takes no \"-5\".\n"
      "With --as-typed each field is read as the window reads a typed or pasted\n"
      "text: leading spaces skipped, a \"-\" taken where the number may be negative,\n"
      "the digits that follow read and anything after them ignored; no digit reads\n"
      "as 0. A text that begins with \"-\" and is not a number goes after \"--\":\n"
      "\"numbrel-cli --as-typed binary -- -x\".\n"
      "\nOptions:\n";
  for (const CliOption& option : kCliOptions) {
    std::string names = "  ";
    if (!option.shortName.empty()) names += std::string(option.shortName) + ", ";
    AppendPadded(help, names + std::string(option.name), kOptionColumn);
    help += std::string(option.help) + "\n";
  }
  help +=
      "\nOutput:\n"
      "Each answer is the result field's text in UTF-8 with \"\\n\" line ends and one\n"
      "final newline; a message box's text goes to standard error. With -z a NUL\n"
      "ends each answer instead of its last newline. --raw writes the field's bytes\n"
      "alone: Windows-1252, \"\\r\\n\" line ends, nothing added (a NUL with -z).\n"
      "--json writes one object a line for each run, with these keys in this order:\n"
      "  command   the command's name\n"
      "  fields    the run's field texts as given, an array of strings\n"
      "  outcome   \"answered\", \"refused\" or \"invalid\"\n"
      "  result    the result field's text (UTF-8, \"\\n\" line ends); null if invalid\n"
      "  boxes     the texts of the message boxes shown, an array of strings\n"
      "  error     only in an invalid run's object: why, as standard error says it\n"
      "Keys are only ever added, never renamed or taken away.\n"
      "\nExamples:\n"
      "  numbrel-cli prime-factors 12 360 97      three factorizations\n"
      "  seq 1000 | numbrel-cli all-factors       a run for each line read\n"
      "  numbrel-cli -z divide 1 3 2 3 | xargs -0 -n 1 printf '[%s]\\n'\n"
      "  numbrel-cli --json gcf-lcm 12 18 0 5     two objects, the second refused\n"
      "  numbrel-cli --as-typed bits 1e3          2 to the power 1, as the window reads it\n"
      "\nExit status:\n"
      "  0  every run was answered\n"
      "  1  some run's input was refused: the refusal is printed as an answer would\n"
      "     be, and the text of a message box goes to standard error\n"
      "  2  some run's input was invalid, or the command line was wrong\n"
      "  3  the output could not be written; a reader that closes the pipe early\n"
      "     ends the call quietly\n";
  return help;
}
