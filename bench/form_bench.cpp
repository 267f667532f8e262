// The binary conversion runs on every keystroke: one run through the command
// table, beside a plain loop over the same 99 characters as the reference.
#include <benchmark/benchmark.h>

#include <string>

#include "form/command_table.h"
#include "form/memory_form.h"

namespace {

void BM_BinaryKeystroke(benchmark::State& state) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_BINARY, std::string(99, '1'));
  for (auto _ : state) {
    DispatchCommand(dialog, IDC_BINARY, Notification::TextChanged);
    form.ClearEvents();
  }
}
BENCHMARK(BM_BinaryKeystroke);

}  // namespace
