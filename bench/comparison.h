// Registers one case twice, "NAME/ours" and "NAME/reference", each timing a
// call that takes no arguments, so the report's table sets them side by side.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

template <typename Call>
void RegisterTimed(const std::string& name, Call call, benchmark::TimeUnit unit) {
  benchmark::RegisterBenchmark(name.c_str(), [call](benchmark::State& state) {
    auto run = call;  // a call may keep state of its own, such as its next input
    for (auto _ : state) benchmark::DoNotOptimize(run());
  })->Unit(unit);
}

template <typename Ours, typename Reference>
void RegisterComparison(const std::string& name, Ours ours, Reference reference,
                        benchmark::TimeUnit unit = benchmark::kMicrosecond) {
  RegisterTimed(name + "/ours", ours, unit);
  RegisterTimed(name + "/reference", reference, unit);
}
