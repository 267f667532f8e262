// The long division's whole text, ours beside the literal division that
// compares every remainder with all earlier ones, on the same numbers. The
// worst cases find no repeat and write all 10,000 digits; 22 / 7 is typical.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "ops/divide.h"
#include "tests/reference/divide_reference.h"

namespace {

template <typename Divide>
void TimeDivision(benchmark::State& state, Divide divide, uint32_t dividend, uint32_t divisor) {
  for (auto _ : state) {
    std::string text = divide(dividend, divisor);
    benchmark::DoNotOptimize(text);
  }
  state.counters["bytes"] = static_cast<double>(divide(dividend, divisor).size());
}

const bool kRegistered = [] {
  struct Case {
    const char* name;
    uint32_t dividend;
    uint32_t divisor;
  };
  for (const Case c : {Case{"divide 4294967295 / 4294967294 (no repeat)", 4294967295u, 4294967294u},
                       Case{"divide 1 / 79988 (no repeat)", 1, 79988},
                       Case{"divide 1 / 19997 (period 9,998)", 1, 19997},
                       Case{"divide 22 / 7", 22, 7}}) {
    const std::string name = c.name;
    benchmark::RegisterBenchmark((name + "/ours").c_str(), [c](benchmark::State& state) {
      TimeDivision(state, DivideWithRepeat, c.dividend, c.divisor);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/reference").c_str(), [c](benchmark::State& state) {
      TimeDivision(state, DivideLiterally, c.dividend, c.divisor);
    })->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
