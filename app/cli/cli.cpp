#include "app/cli/cli.h"

#include <CLI/CLI.hpp>

#include <array>
#include <string_view>

#include "form/code_page.h"
#include "form/command_table.h"
#include "form/memory_form.h"

namespace {

struct CliCommand {
  const char* name;
  const char* description;
  std::vector<const char*> fieldNames;
  std::vector<ControlId> fields;
  ControlId source;
  Notification notification;
  ControlId output;
};

const std::array<CliCommand, 6>& CliCommands() {
  static const std::array<CliCommand, 6> commands{{
      {"binary", "prints what the Decimal field shows for a Binary field's text",
       {"TEXT"}, {IDC_BINARY}, IDC_BINARY, Notification::TextChanged, IDC_DECIMAL},
      {"divide", "long division of FIRST by SECOND, the repeating block marked",
       {"FIRST", "SECOND"}, {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER}, IDC_DIVIDE,
       Notification::Clicked, IDC_RESULT},
      {"gcf-lcm", "greatest common factor and least common multiple",
       {"FIRST", "SECOND"}, {IDC_FIRST_NUMBER, IDC_SECOND_NUMBER}, IDC_GCF_LCM,
       Notification::Clicked, IDC_RESULT},
      {"prime-factors", "prime factorization of NUMBER",
       {"NUMBER"}, {IDC_SINGLE_NUMBER}, IDC_PRIME_FACTORS, Notification::Clicked, IDC_RESULT},
      {"all-factors", "every factor of NUMBER, largest first",
       {"NUMBER"}, {IDC_SINGLE_NUMBER}, IDC_ALL_FACTORS, Notification::Clicked, IDC_RESULT},
      {"bits", "2 to the power NUMBER, written out in full",
       {"NUMBER"}, {IDC_SINGLE_NUMBER}, IDC_BITS, Notification::Clicked, IDC_RESULT},
  }};
  return commands;
}

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
  app.set_version_flag("--version", "numbrel-cli (Ezo's Numbrel) 1.1.0");
  bool raw = false;
  app.add_flag("--raw", raw,
               "print the field's exact bytes: Windows-1252, \\r\\n line ends, nothing added");
  app.require_subcommand(1, 1);
  app.fallthrough();

  const auto& commands = CliCommands();
  std::vector<std::vector<std::string>> texts(commands.size());
  for (std::size_t c = 0; c < commands.size(); ++c) {
    CLI::App* sub = app.add_subcommand(commands[c].name, commands[c].description);
    texts[c].resize(commands[c].fields.size());
    for (std::size_t f = 0; f < commands[c].fields.size(); ++f) {
      sub->add_option(commands[c].fieldNames[f], texts[c][f], "the field's text")->required();
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

  for (std::size_t c = 0; c < commands.size(); ++c) {
    if (app.got_subcommand(commands[c].name) == false) continue;
    const CliCommand& command = commands[c];

    MemoryForm form;
    for (std::size_t f = 0; f < command.fields.size(); ++f) {
      form.Type(command.fields[f], Utf8ToCp1252(texts[c][f]));
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
