#include "app/cli/cli.h"

#include <CLI/CLI.hpp>

#include <array>
#include <string_view>

#include "form/code_page.h"
#include "commands/command_table.h"
#include "form/memory_form.h"
#include "numbrel_version.h"

namespace {

// The commands a script can call: those that write a field.
bool IsScriptable(const Command& command) { return command.output != 0; }

// What a terminal shows: UTF-8, "\n" line ends, one final newline.
std::string ForTerminal(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + 1);
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;
    lines += text[at];
  }
  std::string utf8 = Cp1252ToUtf8(lines);
  utf8 += '\n';
  return utf8;
}

int UsageError(std::ostream& err, std::string_view message) {
  err << "numbrel-cli: " << message << " (try 'numbrel-cli --help')\n";
  return 2;
}

}  // namespace

int RunNumbrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"Ezo's Numbrel on a terminal: exact answers for whole numbers.\n"
               "Each FIELD is a field's text as typed or pasted (\"\" is an empty field).",
               "numbrel-cli"};
  app.set_version_flag("--version", "numbrel-cli (Ezo's Numbrel) " NUMBREL_VERSION);
  bool raw = false;
  app.add_flag("--raw", raw,
               "print the field's exact bytes: Windows-1252, \\r\\n line ends, nothing added");
  app.require_subcommand(1, 1);
  app.fallthrough();

  std::vector<std::vector<std::string>> texts(kCommandTable.size());
  for (std::size_t c = 0; c < kCommandTable.size(); ++c) {
    const Command& command = kCommandTable[c];
    if (!IsScriptable(command)) continue;
    CLI::App* sub = app.add_subcommand(command.name, command.description);
    texts[c].resize(command.fields.size());
    for (std::size_t f = 0; f < command.fields.size(); ++f) {
      sub->add_option(command.fields[f].name, texts[c][f], command.fields[f].meaning)->required();
    }
  }

  // CLI11 takes its arguments last-first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return 0;
  } catch (const CLI::ParseError& error) {
    return UsageError(err, error.what());
  }

  for (std::size_t c = 0; c < kCommandTable.size(); ++c) {
    const Command& command = kCommandTable[c];
    if (!IsScriptable(command) || !app.got_subcommand(command.name)) continue;

    MemoryForm form;
    for (std::size_t f = 0; f < command.fields.size(); ++f) {
      form.Type(command.fields[f].id, Utf8ToCp1252(texts[c][f]));
    }
    CNumbersDlg dialog(form);
    DispatchCommand(dialog, command.source, command.notification);

    const std::string result = form.FieldText(command.output);
    if (raw) {
      out << result;
    } else {
      out << ForTerminal(result);
    }
    int status = 0;
    for (const MemoryForm::Event& event : form.Events()) {
      if (event.kind != MemoryForm::EventKind::MessageBox) continue;
      err << (raw ? event.text : ForTerminal(event.text));
      status = 1;
    }
    return status;
  }
  return UsageError(err, "no command given");
}
