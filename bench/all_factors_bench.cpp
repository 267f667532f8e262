// The all-factors text, ours beside the literal reference: 2,095,133,040 has
// the most divisors of any field value (1,600, beyond the literal table, so
// it has no reference), 183,783,600 the most the literal table holds (960),
// and 2,147,483,647 is the largest prime (a full trial division).
#include <cstdint>
#include <string>

#include "bench/comparison.h"
#include "ops/all_factors.h"
#include "tests/reference/all_factors_reference.h"

namespace {

const bool kRegistered = [] {
  RegisterTimed(
      "all factors 2095133040 (1,600 factors)/ours", [] { return WriteAllFactors(2095133040); },
      benchmark::kMicrosecond);
  for (const int32_t n : {183783600, 2147483647}) {
    RegisterComparison(
        "all factors " + std::to_string(n), [n] { return WriteAllFactors(n); },
        [n] { return reference::WriteAllFactors(n); });
  }
  return true;
}();

}  // namespace
