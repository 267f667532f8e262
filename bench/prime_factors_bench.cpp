// Prime factorization, ours beside the literal reference: the text for the
// field values that cost most (the largest prime, the square of the largest
// prime below its square root, a product of two primes near it), and random
// 32-bit values. The factor list alone takes any 32-bit value, whose worst are
// the square and the product of the two largest primes below 2^16.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ops/prime_factors.h"
#include "tests/reference/differential.h"
#include "tests/reference/prime_factors_reference.h"

namespace {

template <std::string (*Write)(int32_t)>
void BM_PrimeFactorization(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Write(n));
}
BENCHMARK(BM_PrimeFactorization<WritePrimeFactorization>)
    ->Name("PrimeFactorization/ours")
    ->Arg(2147483647)
    ->Arg(2147117569)
    ->Arg(2146654199);
BENCHMARK(BM_PrimeFactorization<reference::WritePrimeFactorization>)
    ->Name("PrimeFactorization/literal")
    ->Arg(2147483647)
    ->Arg(2147117569)
    ->Arg(2146654199)
    ->Unit(benchmark::kMicrosecond);

template <auto Factor>
void BM_FactorList(benchmark::State& state) {
  const auto n = static_cast<uint32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Factor(n));
}

std::vector<uint32_t> RandomValues() {
  reference::NumberStream random(41u);
  std::vector<uint32_t> values(1u << 16);
  for (uint32_t& value : values) value = random.Next();
  return values;
}

// One value of a fixed stream of random 32-bit values per iteration; the text
// takes the value's upper 31 bits, as a number field holds them.
template <auto Factor>
void BM_Random(benchmark::State& state) {
  const std::vector<uint32_t> values = RandomValues();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Factor(values[next]));
    next = (next + 1) % values.size();
  }
}

PrimeFactorList OurList(uint32_t n) { return BuildPrimeFactorList(n); }
std::vector<uint32_t> LiteralList(uint32_t n) { return reference::BuildPrimeFactorList(n); }
std::string OurText(uint32_t n) { return WritePrimeFactorization(static_cast<int32_t>(n >> 1)); }
std::string LiteralText(uint32_t n) {
  return reference::WritePrimeFactorization(static_cast<int32_t>(n >> 1));
}

BENCHMARK(BM_FactorList<OurList>)->Name("FactorList/ours")->Arg(4293001441)->Arg(4292870399);
BENCHMARK(BM_FactorList<LiteralList>)
    ->Name("FactorList/literal")
    ->Arg(4293001441)
    ->Arg(4292870399)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_Random<OurList>)->Name("RandomFactorList/ours");
BENCHMARK(BM_Random<LiteralList>)->Name("RandomFactorList/literal")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Random<OurText>)->Name("RandomFactorizationText/ours");
BENCHMARK(BM_Random<LiteralText>)
    ->Name("RandomFactorizationText/literal")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
