// The bit combinations at the top of the range, beside GMP computing and
// writing the same power, and beside the literal digit register where that
// still runs in reasonable time. Each pair runs interleaved in one benchmark,
// so the ratio compares like with like; the pairs are timed in processor time,
// which other work on a shared machine does not inflate.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "ops/bits.h"
#include "tests/reference/bits_reference.h"

namespace {

double Seconds(std::clock_t ticks) { return static_cast<double>(ticks) / CLOCKS_PER_SEC; }

// 2^n in decimal as GMP writes it: the power, then its digits.
class GmpPowerOfTwo {
 public:
  GmpPowerOfTwo() { mpz_init(power_); }
  ~GmpPowerOfTwo() { mpz_clear(power_); }
  GmpPowerOfTwo(const GmpPowerOfTwo&) = delete;
  GmpPowerOfTwo& operator=(const GmpPowerOfTwo&) = delete;

  const char* Write(unsigned long n) {
    mpz_ui_pow_ui(power_, 2, n);
    digits_.resize(mpz_sizeinbase(power_, 10) + 2);
    return mpz_get_str(digits_.data(), 10, power_);
  }

 private:
  mpz_t power_;
  std::vector<char> digits_;
};

// Milliseconds per run of each side, and their ratio, as counters.
void ReportPair(benchmark::State& state, double ours, double other, const std::string& otherName,
                const char* ratioName, double ratio) {
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["ours_ms"] = 1e3 * ours / iterations;
  state.counters[otherName + "_ms"] = 1e3 * other / iterations;
  state.counters[ratioName] = ratio;
}

// Ours: the whole text at n = 262,144.
void BM_BitsText(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindBitCombinations(n));
  state.SetLabel("whole text");
}
BENCHMARK(BM_BitsText)->Arg(262'144)->Unit(benchmark::kMillisecond);

// GMP alone: mpz_ui_pow_ui plus mpz_get_str.
void BM_GmpPowerOfTwo(benchmark::State& state) {
  GmpPowerOfTwo gmp;
  const auto n = static_cast<unsigned long>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(gmp.Write(n));
  state.SetLabel("mpz_ui_pow_ui + mpz_get_str");
}
BENCHMARK(BM_GmpPowerOfTwo)->Arg(262'144)->Unit(benchmark::kMillisecond);

// Ours against GMP, interleaved.
void BM_BitsAgainstGmp(benchmark::State& state) {
  GmpPowerOfTwo gmp;
  const auto n = static_cast<int32_t>(state.range(0));
  double ours = 0;
  double theirs = 0;
  for (auto _ : state) {
    const auto t0 = std::clock();
    benchmark::DoNotOptimize(FindBitCombinations(n));
    const auto t1 = std::clock();
    benchmark::DoNotOptimize(gmp.Write(static_cast<unsigned long>(n)));
    const auto t2 = std::clock();
    ours += Seconds(t1 - t0);
    theirs += Seconds(t2 - t1);
  }
  ReportPair(state, ours, theirs, "gmp", "ours_over_gmp", ours / theirs);
}
BENCHMARK(BM_BitsAgainstGmp)->Arg(262'144)->Unit(benchmark::kMillisecond);

// Ours against the literal register, interleaved, at the longest text that
// fitted the old 10,000-byte buffer.
void BM_BitsAgainstDigitRegister(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  double ours = 0;
  double literal = 0;
  // One register run takes as long as thousands of ours: ours runs 100 times
  // within each iteration, so its time is more than a few clock ticks.
  constexpr int kOursPerIteration = 100;
  for (auto _ : state) {
    const auto t0 = std::clock();
    for (int i = 0; i < kOursPerIteration; ++i) benchmark::DoNotOptimize(FindBitCombinations(n));
    const auto t1 = std::clock();
    benchmark::DoNotOptimize(FindBitCombinationsLiterally(n));
    const auto t2 = std::clock();
    ours += Seconds(t1 - t0) / kOursPerIteration;
    literal += Seconds(t2 - t1);
  }
  ReportPair(state, ours, literal, "register", "register_over_ours", literal / ours);
}
BENCHMARK(BM_BitsAgainstDigitRegister)->Arg(24'492)->Unit(benchmark::kMillisecond);

// One press of the button through the command table, as a shell makes it.
void BM_BitsButton(benchmark::State& state) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, "262144");
  for (auto _ : state) {
    DispatchCommand(dialog, IDC_BITS, Notification::Clicked);
    form.ClearEvents();
  }
}
BENCHMARK(BM_BitsButton)->Unit(benchmark::kMillisecond);

}  // namespace
