// The binary conversion runs on every keystroke: one run through the command
// table, beside a plain loop over the same 99 characters as the reference.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/command_press.h"

namespace {

void BinaryKeystroke(benchmark::State& state) {
  PressCommandRepeatedly(state, "binary", {std::string(99, '1')});
}
BENCHMARK(BinaryKeystroke)->Name("binary keystroke, 99 ones/ours");

// The plain loop: the same 32 weighings over the same text, nothing else.
void BinaryPlainLoop(benchmark::State& state) {
  const std::string text(99, '1');
  for (auto _ : state) {
    uint32_t value = 0;
    for (std::size_t k = 0; k < 32; ++k) value |= (text[text.size() - 1 - k] == '1' ? 1u : 0u) << k;
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BinaryPlainLoop)->Name("binary keystroke, 99 ones/reference");

}  // namespace
