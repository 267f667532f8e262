// The runs of one numbrel-cli call: each run's fields checked against their
// syntax (unless read as typed), its command pressed on one form kept for all
// the runs, and its answer written as the call asks: as the terminal shows it,
// as the field's bytes, NUL-ended, or as a line of JSON. The exit status is
// gathered over all the runs.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/command_line.h"
#include "form/memory_form.h"

class Runs {
 public:
  // line must have a command, and must outlive the runs.
  Runs(const CommandLine& line, std::ostream& out, std::ostream& err);

  // One run of the command with these field texts, as given: lineNumber is the
  // line of standard input they come from, 0 for the arguments. False once the
  // output takes no more, when the caller should stop.
  bool Run(std::span<const std::string> fields, std::size_t lineNumber);

  // A run that cannot be made: the error is named on the error stream (and
  // with --json in a record of its own), and the run counts as invalid.
  bool Reject(std::span<const std::string> fields, std::size_t lineNumber, std::string_view error);

  // 2 if any run was invalid, else 1 if any was refused, else 0.
  [[nodiscard]] int Status() const;

 private:
  // The run's JSON line, onto record_: no result when nothing ran.
  void AppendJson(std::span<const std::string> fields, std::string_view outcome,
                  std::optional<std::string_view> result, std::string_view error);
  void WriteError(std::string_view text);
  // The text as the terminal shows it, in shell_: good until the next call.
  std::string_view Shell(std::string_view text);

  const CommandLine& line_;
  const Command& command_;
  std::ostream& out_;
  std::ostream& err_;
  MemoryForm form_;
  std::vector<std::string> typed_;  // the field texts converted to the form's code page
  std::string record_;              // the answer as written, built here to write it whole
  std::string shell_;               // a text converted for a JSON record
  bool anyInvalid_ = false;
  bool anyRefused_ = false;
};
