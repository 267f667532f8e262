// GCF/LCM on the pairs that cost the literal steps most, ours beside the
// literal reference: two primes near 2^31 (two full trial divisions), a number
// with 960 divisors against a prime (960 scans of both 1,000-slot tables), and
// two primes near 63,245 (63,000 steps toward the LCM cap); and the longest
// run of Euclid's algorithm in range, two consecutive Fibonacci numbers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>

#include "ops/gcf_lcm.h"
#include "tests/reference/gcf_lcm_reference.h"

namespace {

constexpr std::pair<int32_t, int32_t> kPairs[] = {
    {2147483647, 2147483629}, {183783600, 2147483647}, {63241, 63247}, {1836311903, 1134903170}};

template <std::string (*Write)(int32_t, int32_t)>
void BM_GcfLcm(benchmark::State& state) {
  const auto [a, b] = kPairs[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(Write(a, b));
  state.SetLabel(std::to_string(a) + ", " + std::to_string(b));
}
BENCHMARK(BM_GcfLcm<WriteGcfLcm>)->Name("GcfLcm/ours")->DenseRange(0, 3);
BENCHMARK(BM_GcfLcm<reference::WriteGcfLcm>)
    ->Name("GcfLcm/literal")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
