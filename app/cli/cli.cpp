#include "app/cli/cli.h"

#include <string_view>
#include <vector>

#include "app/cli/command_line.h"
#include "app/cli/help.h"
#include "app/cli/input_lines.h"
#include "app/cli/runs.h"
#include "commands/command_words.h"
#include "numbrel_version.h"
#include "ops/number_text.h"

namespace {

int UsageError(std::ostream& err, std::string_view message) {
  err << "numbrel-cli: " << message << " (try 'numbrel-cli --help')\n";
  return 2;
}

// ", 3 fields given"
std::string Given(std::size_t count) {
  return ", " + std::to_string(count) + (count == 1 ? " field" : " fields") + " given";
}

// Each line of input, one run each, until the input ends or the output fails.
void RunLines(Runs& runs, const Command& command, std::istream& input, std::ostream& out) {
  LineReader reader(*input.rdbuf());
  std::string line;
  std::vector<std::string> words;
  for (std::size_t number = 1;; ++number) {
    // Before waiting for input: a script that writes a line and then reads
    // its answer is not kept waiting by the buffer.
    if (reader.WouldWait()) out.flush();
    const LineRead read = reader.Read(line);
    if (read == LineRead::End) return;
    bool going = true;
    if (read == LineRead::TooLong) {
      std::string error = "the line is longer than ";
      AppendGrouped(error, kLongestLine);
      going = runs.Reject({}, number, error + " bytes");
    } else {
      SplitWords(line, words);
      if (words.size() == command.fields.size()) {
        going = runs.Run(words, number);
      } else {
        going = runs.Reject(words, number,
                            NeedsFields(command) + " on each line" + Given(words.size()));
      }
    }
    if (!going) return;
  }
}

}  // namespace

int RunNumbrelCli(std::span<const std::string> args, std::istream* input, std::ostream& out,
                  std::ostream& err) {
  const CommandLine line = ReadCommandLine(args);
  if (!line.usageError.empty()) return UsageError(err, line.usageError);
  if (line.action == CommandLine::Action::Help) {
    out << HelpText();
    return 0;
  }
  if (line.action == CommandLine::Action::Version) {
    out << "numbrel-cli (Ezo's Numbrel) " NUMBREL_VERSION "\n";
    return 0;
  }

  const Command& command = *line.command;
  const std::size_t perRun = command.fields.size();
  if (line.fields.empty() && input == nullptr) return UsageError(err, NeedsFields(command));
  if (perRun == 0 || line.fields.size() % perRun != 0) {
    return UsageError(err, NeedsFields(command) + " for each run" + Given(line.fields.size()));
  }
  Runs runs(line, out, err);
  if (line.fields.empty()) {
    RunLines(runs, command, *input, out);
  } else {
    const std::span<const std::string> fields = line.fields;
    for (std::size_t at = 0; at < fields.size() && runs.Run(fields.subspan(at, perRun), 0);
         at += perRun) {
    }
  }
  return runs.Status();
}
