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
    AppendPadded(help, "  " + CommandUsage(command), kCommandColumn);
    help += std::string(command.description) + "\n";
    for (const CommandField& field : command.fields) {
      help += "      " + std::string(field.name) + "  " + FieldMeaning(field) + "\n";
    }
  }
  AppendPadded(help, "  " + std::string(kHelpCommand), kCommandColumn);
  help += std::string(kHelpCommandMeaning) + "\n";
  help +=
      "\nRuns:\n"
      "  A command takes its fields once or several times, each group one run, and\n"
      "  answers in the order of the runs. With no field, and standard input not a\n"
      "  terminal, each line of standard input is one run, its words the fields. A\n"
      "  run that cannot be made is named on standard error and left out; the\n"
      "  others go on.\n"
      "\nFields:\n"
      "  A number field takes an optional \"-\" and decimal digits, nothing else\n"
      "  (\"007\" is 7); TEXT takes 1 to 32 binary digits. Any other text is named,\n"
      "  as in \"numbrel-cli: NUMBER 'abc' is not a whole number\". A number outside\n"
      "  its field's range is refused as the window refuses it: divide takes no\n"
      "  \"-5\". With --as-typed each field is read as the window reads a typed or\n"
      "  pasted text: leading spaces skipped, a \"-\" taken where the number may be\n"
      "  negative, the digits that follow read and anything after them ignored; no\n"
      "  digit reads as 0. A text that begins with \"-\" and is not a number goes\n"
      "  after \"--\": \"numbrel-cli --as-typed binary -- -x\".\n"
      "\nOptions:\n";
  for (const CliOption& option : kCliOptions) {
    std::string names = "  ";
    if (!option.shortName.empty()) names += std::string(option.shortName) + ", ";
    AppendPadded(help, names + std::string(option.name), kOptionColumn);
    help += std::string(option.help) + "\n";
  }
  help +=
      "\nOutput:\n"
      "  Each answer is the result field's text in UTF-8 with \"\\n\" line ends and\n"
      "  one final newline; a message box's text goes to standard error. With -z a\n"
      "  NUL ends each answer instead of its last newline. --raw writes the field's\n"
      "  bytes alone: Windows-1252, \"\\r\\n\" line ends, nothing added (a NUL with -z).\n"
      "  --json writes one object a line for each run, with these keys in order:\n"
      "    command   the command's name\n"
      "    fields    the run's field texts as given, an array of strings\n"
      "    outcome   \"answered\", \"refused\" or \"invalid\"\n"
      "    result    the result field's text (UTF-8, \"\\n\" line ends); null if invalid\n"
      "    boxes     the texts of the message boxes shown, an array of strings\n"
      "    error     only in an invalid run's object: why, as standard error says it\n"
      "  Keys are only ever added, never renamed or taken away.\n"
      "\nExamples:\n"
      "  numbrel-cli prime-factors 12 360 97     three factorizations in turn\n"
      "  seq 1000 | numbrel-cli all-factors      a run for each line read\n"
      "  numbrel-cli -z binary 1 10 | tr '\\0' ,  prints 1,2,\n"
      "  numbrel-cli --json gcf-lcm 12 18 0 5    two JSON lines, status 1\n"
      "  numbrel-cli bits 1e3                    '1e3' is not a whole number: status 2\n"
      "  numbrel-cli --as-typed bits 1e3         2 to the power 1, as the window shows\n"
      "\nExit status:\n"
      "  0  every run was answered\n"
      "  1  some run's input was refused: the refusal is printed as an answer would\n"
      "     be, and the text of a message box goes to standard error\n"
      "  2  some run's input was invalid, or the command line was wrong\n"
      "  3  standard input could not be read, or the output could not be written;\n"
      "     a reader that closes the pipe early ends the call quietly\n";
  return help;
}
