#include "app/cli/cli.h"

#include <optional>
#include <string_view>

#include "commands/command_table.h"
#include "commands/command_words.h"
#include "form/code_page.h"
#include "form/memory_form.h"
#include "form/shell_text.h"
#include "numbrel_version.h"

namespace {

std::string HelpText() {
  std::string help =
      "Usage: numbrel-cli [--raw] COMMAND FIELD...\n"
      "Ezo's Numbrel on a terminal: exact answers for whole numbers.\n\nCommands:\n";
  for (const Command& command : kCommandTable) {
    if (!IsScriptable(command)) continue;
    std::string usage = "  " + std::string(command.name) + " " + FieldNames(command, " ");
    usage.resize(std::max<std::size_t>(usage.size() + 2, 30), ' ');
    help += usage + command.description + "\n";
    for (const CommandField& field : command.fields) {
      help += "      " + std::string(field.name) + "  " + FieldMeaning(field) + "\n";
    }
  }
  help +=
      "  help                        show this help\n"
      "\n"
      "Each FIELD is a field's text as typed or pasted (\"\" is an empty field), read as\n"
      "the calculator reads its fields: leading spaces skipped, a \"-\" taken where the\n"
      "number may be negative, the digits that follow read and anything after them\n"
      "ignored; no digit reads as 0. A number outside its field's range is refused.\n"
      "A field text that begins with \"-\" and is not a number must come after \"--\":\n"
      "  numbrel-cli binary -- -x\n"
      "\nOptions:\n"
      "  --raw       print the field's exact bytes: Windows-1252, \\r\\n line ends,\n"
      "              nothing added (otherwise UTF-8, \\n line ends, one final newline)\n"
      "  -h, --help  show this help and exit\n"
      "  --version   show the version and exit\n"
      "\nExit status:\n"
      "  0  the answer was printed\n"
      "  1  the input was refused: the refusal is printed as the answer would be, and\n"
      "     the text of a message box goes to standard error\n"
      "  2  the command line was wrong\n"
      "  3  the output could not be written\n";
  return help;
}

// What a terminal shows: the shells' text and one final newline.
std::string ForTerminal(std::string_view text) { return ToShellText(text) + '\n'; }

int UsageError(std::ostream& err, std::string_view message) {
  err << "numbrel-cli: " << message << " (try 'numbrel-cli --help')\n";
  return 2;
}

// "-7" and "-0" are numbers; "-x" and "--raw" look like options.
bool LooksLikeOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

int RunCommand(const Command& command, const std::vector<std::string>& texts, bool raw,
               std::ostream& out, std::ostream& err) {
  MemoryForm form;
  for (std::size_t f = 0; f < command.fields.size(); ++f) {
    form.Type(command.fields[f].id, Utf8ToCp1252(texts[f]));
  }
  CNumbersDlg dialog(form);
  const Outcome outcome = RunCommand(dialog, command);

  const std::string result = form.FieldText(command.output);
  out << (raw ? result : ForTerminal(result));
  for (const MemoryForm::Event& event : form.Events()) {
    if (event.kind != MemoryForm::EventKind::MessageBox) continue;
    err << (raw ? event.text : ForTerminal(event.text));
  }
  return outcome == Outcome::Refused ? 1 : 0;
}

}  // namespace

int RunNumbrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool raw = false;
  const Command* command = nullptr;
  std::vector<std::string> texts;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded &&
               (arg == "--help" || arg == "-h" || (command == nullptr && arg == "help"))) {
      out << HelpText();
      return 0;
    } else if (!optionsEnded && arg == "--version") {
      out << "numbrel-cli (Ezo's Numbrel) " NUMBREL_VERSION "\n";
      return 0;
    } else if (!optionsEnded && arg == "--raw") {
      raw = true;
    } else if (!optionsEnded && LooksLikeOption(arg)) {
      if (command == nullptr) return UsageError(err, "unknown option '" + arg + "'");
      return UsageError(err, "'" + arg + "' is not a number; to give a field text that begins " +
                                 "with '-', put -- before the field texts");
    } else if (command == nullptr) {
      command = FindScriptable(arg);
      if (command == nullptr) return UsageError(err, "unknown command '" + arg + "'");
    } else {
      texts.push_back(arg);
    }
  }
  if (command == nullptr) return UsageError(err, "no command given");
  if (texts.size() < command->fields.size()) {
    return UsageError(err, std::string(command->name) + " needs " + FieldNames(*command, " and "));
  }
  if (texts.size() > command->fields.size()) {
    return UsageError(err,
                      std::string(command->name) + " takes only " + FieldNames(*command, " and "));
  }
  return RunCommand(*command, texts, raw, out, err);
}
