// Feeds arbitrary field texts to one command through the in-memory form and the
// real command table, then checks what every run must leave behind. The
// command is named at run time (NUMBREL_FUZZ_COMMAND), so that coverage and
// corpora stay per command; NUMBREL_FUZZ_LIST lists the commands instead.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands/command_table.h"
#include "form/memory_form.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

const Command* fuzzed = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("NUMBREL_FUZZ_LIST") != nullptr) {
    for (const Command& command : kCommandTable) {
      if (const FuzzPlan* plan = FuzzPlanOf(command)) std::printf("%s %d\n", command.name, plan->runs);
    }
    std::exit(0);
  }
  const char* name = std::getenv("NUMBREL_FUZZ_COMMAND");
  fuzzed = name == nullptr ? nullptr : FindCommand(name);
  if (fuzzed == nullptr || FuzzPlanOf(*fuzzed) == nullptr) {
    std::fprintf(stderr, "NUMBREL_FUZZ_COMMAND must name a command with fields\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryForm form;
  CNumbersDlg dialog(form);
  // The fields are read in order; the last one takes the rest of the input,
  // so a one-field corpus file is simply that field's text.
  for (std::size_t f = 0; f < fuzzed->fields.size(); ++f) {
    const bool last = f + 1 == fuzzed->fields.size();
    form.Type(fuzzed->fields[f].id, last ? input.ConsumeRemainingBytesAsString()
                                         : input.ConsumeRandomLengthString(200000));
  }
  const MemoryForm before = form;

  DispatchCommand(dialog, fuzzed->source, fuzzed->notification);

  CheckRun(*fuzzed, before, form);
  return 0;
}
