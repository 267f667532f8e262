// Feeds arbitrary field texts to one command through the in-memory form and the
// real command table, then checks what every run must leave behind: the busy
// pointer back, the input fields untouched, only the output written, and the
// run refused exactly when a field holds a number its command does not take. The
// answers themselves are checked against the literal algorithms by the unit
// tests. A failed check aborts, which the fuzzer reports with its input. The
// command is named at run time (NUMBREL_FUZZ_COMMAND), so that coverage and
// corpora stay per command; NUMBREL_FUZZ_LIST lists the commands with the
// inputs of their bounded runs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/press_command.h"
#include "form/field_reading.h"

namespace {

void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}

// Sized so that the whole bounded run takes about half a minute.
struct FuzzPlan {
  ControlId source;
  int runs;  // inputs in the bounded run of make test
};
constexpr FuzzPlan kPlans[] = {
    {IDC_BINARY, 300000},        {IDC_DIVIDE, 150000},      {IDC_GCF_LCM, 300000},
    {IDC_PRIME_FACTORS, 300000}, {IDC_ALL_FACTORS, 300000}, {IDC_BITS, 5000},
};

const FuzzPlan* PlanOf(const Command& command) {
  for (const FuzzPlan& plan : kPlans) {
    if (plan.source == command.source) return &plan;
  }
  return nullptr;
}

// Whether the command takes the field's text: text that is not read as a
// number always, a number when its reading holds it and the field's range too.
bool Takes(const CommandField& field, const std::string& text) {
  if (!field.numbers) return true;
  const std::optional<int64_t> number = ReadFieldValue(text, field.numbers->reading);
  return number && field.numbers->Takes(*number);
}

const Command* fuzzed = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("NUMBREL_FUZZ_LIST") != nullptr) {
    for (const Command& command : kCommandTable) {
      if (const FuzzPlan* plan = PlanOf(command)) std::printf("%s %d\n", command.name, plan->runs);
    }
    std::exit(0);
  }
  const char* name = std::getenv("NUMBREL_FUZZ_COMMAND");
  fuzzed = name == nullptr ? nullptr : FindCommand(name);
  if (fuzzed == nullptr || PlanOf(*fuzzed) == nullptr) {
    std::fprintf(stderr, "NUMBREL_FUZZ_COMMAND must name a command with fields\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // The fields are read in order; the last one takes the rest of the input,
  // so a one-field corpus file is simply that field's text.
  std::vector<std::string> texts;
  for (std::size_t f = 0; f < fuzzed->fields.size(); ++f) {
    const bool last = f + 1 == fuzzed->fields.size();
    texts.push_back(last ? input.ConsumeRemainingBytesAsString()
                         : input.ConsumeRandomLengthString(200000));
  }
  MemoryForm form;
  const Outcome outcome = PressCommand(form, *fuzzed, texts);

  Expect(form.WaitDepth() == 0, "the busy pointer is back");
  bool wroteOutput = false;
  for (const MemoryForm::Event& event : form.Events()) {
    if (event.kind != MemoryForm::EventKind::SetText) continue;
    Expect(event.id == fuzzed->output, "only the output field is written");
    wroteOutput = true;
  }
  Expect(wroteOutput, "the output field is written");
  bool takesAll = true;
  for (std::size_t f = 0; f < texts.size(); ++f) {
    Expect(form.FieldText(fuzzed->fields[f].id) == texts[f], "input fields keep their text");
    takesAll = takesAll && Takes(fuzzed->fields[f], texts[f]);
  }
  Expect(outcome == (takesAll ? Outcome::Answered : Outcome::Refused),
         "refused exactly when a field holds a number its command does not take");
  return 0;
}
