// Feeds arbitrary field texts to one command through the in-memory form and the
// real command table, then checks what every run must leave behind. The
// command is chosen at build time (NUMBREL_FUZZ_COMMAND), one binary each, so
// coverage and corpora stay per operation.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const FuzzCommand& command = FuzzCommandNumber(NUMBREL_FUZZ_COMMAND);

  MemoryForm form;
  CNumbersDlg dialog(form);
  // The fields are read in order; the last one takes the rest of the input,
  // so a one-field corpus file is simply that field's text.
  for (std::size_t f = 0; f < command.fields.size(); ++f) {
    const bool last = f + 1 == command.fields.size();
    form.Type(command.fields[f], last ? input.ConsumeRemainingBytesAsString()
                                      : input.ConsumeRandomLengthString(200000));
  }
  const MemoryForm before = form;

  DispatchCommand(dialog, command.source, command.notification);

  CheckRun(command, before, form);
  return 0;
}
