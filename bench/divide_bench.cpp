// The long division's whole text, ours beside the literal division that
// compares every remainder with all earlier ones, on the same numbers. The
// worst cases find no repeat and write all 10,000 digits; 22 / 7 is typical.
// Each "Literal" line's time divided by the matching "Ours" line's time is how
// many times faster ours is; the "Ours" lines also carry that ratio, timed
// once before their loop, as the counter "x_faster".
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "ops/divide.h"
#include "tests/reference/divide_reference.h"

namespace {

// Best of a few runs, in seconds.
template <typename Divide>
double FastestRun(Divide divide, uint32_t dividend, uint32_t divisor, int runs) {
  double best = 1e30;
  for (int n = 0; n < runs; ++n) {
    const auto start = std::chrono::steady_clock::now();
    std::string text = divide(dividend, divisor);
    benchmark::DoNotOptimize(text);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (took.count() < best) best = took.count();
  }
  return best;
}

void BM_DivideOurs(benchmark::State& state) {
  const auto dividend = static_cast<uint32_t>(state.range(0));
  const auto divisor = static_cast<uint32_t>(state.range(1));
  // Enough runs of ours for a steady figure, a few of the literal one.
  const double literal = FastestRun(DivideLiterally, dividend, divisor, 5);
  const double ours = FastestRun(DivideWithRepeat, dividend, divisor, 2000);
  for (auto _ : state) {
    std::string text = DivideWithRepeat(dividend, divisor);
    benchmark::DoNotOptimize(text);
  }
  state.counters["x_faster"] = literal / ours;
  state.counters["bytes"] = static_cast<double>(DivideWithRepeat(dividend, divisor).size());
}

void BM_DivideLiteral(benchmark::State& state) {
  const auto dividend = static_cast<uint32_t>(state.range(0));
  const auto divisor = static_cast<uint32_t>(state.range(1));
  for (auto _ : state) {
    std::string text = DivideLiterally(dividend, divisor);
    benchmark::DoNotOptimize(text);
  }
  state.counters["bytes"] = static_cast<double>(DivideLiterally(dividend, divisor).size());
}

void Cases(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"dividend", "divisor"})
      ->Args({4294967295, 4294967294})
      ->Args({1, 79988})
      ->Args({1, 19997})
      ->Args({22, 7})
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_DivideOurs)->Apply(Cases);
BENCHMARK(BM_DivideLiteral)->Apply(Cases);

}  // namespace
