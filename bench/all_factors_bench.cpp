// The all-factors text, ours beside the literal reference: 2,095,133,040 has
// the most divisors of any field value (1,600, beyond the literal table),
// 183,783,600 the most the literal table holds (960), and 2,147,483,647 is
// the largest prime (a full trial division for the literal table).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "ops/all_factors.h"
#include "tests/reference/all_factors_reference.h"

namespace {

template <std::string (*Write)(int32_t)>
void BM_AllFactors(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = Write(n);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AllFactors<WriteAllFactors>)
    ->Name("AllFactors/ours")
    ->Arg(2095133040)
    ->Arg(183783600)
    ->Arg(2147483647);
BENCHMARK(BM_AllFactors<reference::WriteAllFactors>)
    ->Name("AllFactors/literal")
    ->Arg(183783600)
    ->Arg(2147483647)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
