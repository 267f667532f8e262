#include "app/cli/runs.h"

#include "app/cli/json_text.h"
#include "commands/field_syntax.h"
#include "commands/press_command.h"
#include "form/code_page.h"
#include "form/shell_text.h"

namespace {

std::string Where(std::size_t lineNumber) {
  return lineNumber == 0 ? std::string() : "line " + std::to_string(lineNumber) + ": ";
}

// The text in single quotes as an error names it: a control character is
// shown as \xHH, so that no text given can send a terminal its commands.
std::string Quoted(std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string quoted = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xFu];
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace

Runs::Runs(const CommandLine& line, std::ostream& out, std::ostream& err)
    : line_(line),
      command_(*line.command),
      out_(out),
      err_(err),
      form_(MemoryForm::Recording::MessageBoxes) {}

bool Runs::Run(std::span<const std::string> fields, std::size_t lineNumber) {
  std::span<const std::string> typed = fields;
  if (line_.asTyped) {
    typed_.resize(fields.size());
    for (std::size_t f = 0; f < fields.size(); ++f) typed_[f] = Utf8ToCp1252(fields[f]);
    typed = typed_;
  } else {
    // A text that keeps its field's syntax is ASCII, the same bytes in the
    // form's code page.
    for (std::size_t f = 0; f < fields.size(); ++f) {
      const CommandField& field = command_.fields[f];
      const std::string_view error = FieldSyntaxError(field, fields[f]);
      if (!error.empty()) {
        return Reject(fields, lineNumber,
                      std::string(field.name) + " " + Quoted(fields[f]) + " " + std::string(error));
      }
    }
  }
  // The output field as a fresh form holds it: a run that writes none prints nothing.
  form_.Type(command_.output, {});
  form_.ClearEvents();
  const Outcome outcome = PressCommand(form_, command_, typed);
  anyRefused_ = anyRefused_ || outcome == Outcome::Refused;
  const std::string_view result = form_.FieldView(command_.output);

  record_.clear();
  if (line_.json) {
    AppendJson(fields, outcome == Outcome::Refused ? "refused" : "answered", result, {});
  } else {
    if (line_.raw) {
      record_ += result;
    } else {
      AppendShellText(record_, result);
    }
    if (line_.null) {
      record_ += '\0';
    } else if (!line_.raw) {
      record_ += '\n';
    }
  }
  out_.write(record_.data(), static_cast<std::streamsize>(record_.size()));
  if (!line_.json) {
    // The form records the message boxes alone.
    for (const MemoryForm::Event& event : form_.Events()) {
      WriteError(line_.raw ? event.text : ToShellText(event.text) + '\n');
    }
  }
  return static_cast<bool>(out_);
}

bool Runs::Reject(std::span<const std::string> fields, std::size_t lineNumber,
                  std::string_view error) {
  anyInvalid_ = true;
  const std::string said = Where(lineNumber) + std::string(error);
  if (line_.json) {
    record_.clear();
    AppendJson(fields, "invalid", std::nullopt, said);
    out_.write(record_.data(), static_cast<std::streamsize>(record_.size()));
  }
  WriteError("numbrel-cli: " + said + "\n");
  return static_cast<bool>(out_);
}

int Runs::Status() const {
  if (anyInvalid_) return 2;
  return anyRefused_ ? 1 : 0;
}

void Runs::AppendJson(std::span<const std::string> fields, std::string_view outcome,
                      std::optional<std::string_view> result, std::string_view error) {
  record_ += "{\"command\":";
  AppendJsonString(record_, command_.name);
  record_ += ",\"fields\":[";
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (f > 0) record_ += ',';
    AppendJsonString(record_, fields[f]);
  }
  record_ += "],\"outcome\":";
  AppendJsonString(record_, outcome);
  record_ += ",\"result\":";
  if (!result) {
    record_ += "null";
  } else {
    AppendJsonString(record_, Shell(*result));
  }
  record_ += ",\"boxes\":[";
  // A run refused before it was pressed showed no box; the form still holds the last run's.
  if (result) {
    bool first = true;
    for (const MemoryForm::Event& event : form_.Events()) {
      if (!first) record_ += ',';
      first = false;
      AppendJsonString(record_, Shell(event.text));
    }
  }
  record_ += ']';
  if (!error.empty()) {
    record_ += ",\"error\":";
    AppendJsonString(record_, error);
  }
  record_ += '}';
  record_ += line_.null ? '\0' : '\n';
}

std::string_view Runs::Shell(std::string_view text) {
  shell_.clear();
  AppendShellText(shell_, text);
  return shell_;
}

void Runs::WriteError(std::string_view text) {
  // Whatever answers came before the error come before it on a terminal too.
  out_.flush();
  err_ << text;
}
