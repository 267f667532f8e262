// The bit combinations at the top of the range beside GMP computing and
// writing the same power, and beside the literal digit register at the
// longest text that fitted the old 10,000-byte buffer (at the top of the
// range the register takes a minute).
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/command_press.h"
#include "ops/bits.h"
#include "ops/number_text.h"
#include "tests/reference/bits_reference.h"

namespace {

void Ours(benchmark::State& state, int32_t n) {
  for (auto _ : state) benchmark::DoNotOptimize(FindBitCombinations(n));
}

void Register(benchmark::State& state, int32_t n) {
  for (auto _ : state) benchmark::DoNotOptimize(FindBitCombinationsLiterally(n));
}

// 2^n in decimal as GMP writes it: mpz_ui_pow_ui, then mpz_get_str.
void Gmp(benchmark::State& state, int32_t n) {
  mpz_t power;
  mpz_init(power);
  std::vector<char> digits;
  for (auto _ : state) {
    mpz_ui_pow_ui(power, 2, static_cast<unsigned long>(n));
    digits.resize(mpz_sizeinbase(power, 10) + 2);
    benchmark::DoNotOptimize(mpz_get_str(digits.data(), 10, power));
  }
  mpz_clear(power);
}

// One press of the button through the command table, as a shell makes it.
void Button(benchmark::State& state, int32_t n) {
  PressCommandRepeatedly(state, "bits", {std::to_string(n)});
}

// The most bits the field takes, as the command table gives it.
constexpr auto kMost = static_cast<int32_t>(command_fields::kBits[0].numbers->highest);
const std::string kMostBitsCase = [] {
  std::string name = "bits ";
  AppendGrouped(name, kMost);
  return name;
}();

BENCHMARK_CAPTURE(Ours, most, kMost)
    ->Name(kMostBitsCase + ", whole text/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Gmp, most, kMost)
    ->Name(kMostBitsCase + ", whole text/gmp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Button, most, kMost)
    ->Name(kMostBitsCase + ", button press/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, 24492, 24'492)
    ->Name("bits 24,492, whole text/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Register, 24492, 24'492)
    ->Name("bits 24,492, whole text/reference")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Gmp, 24492, 24'492)
    ->Name("bits 24,492, whole text/gmp")
    ->Unit(benchmark::kMillisecond);

}  // namespace
