// GCF/LCM on the pairs that cost the literal steps most, ours beside the
// literal reference: two primes near 2^31 (two full trial divisions), a number
// with 960 divisors against a prime (960 scans of both 1,000-slot tables), and
// two primes near 63,245 (63,000 steps toward the LCM cap); and the longest
// run of Euclid's algorithm in range, two consecutive Fibonacci numbers.
#include <cstdint>
#include <string>

#include "bench/comparison.h"
#include "ops/gcf_lcm.h"
#include "tests/reference/gcf_lcm_reference.h"

namespace {

const bool kRegistered = [] {
  struct Pair {
    int32_t a;
    int32_t b;
  };
  for (const Pair p : {Pair{2147483647, 2147483629}, Pair{183783600, 2147483647},
                       Pair{63241, 63247}, Pair{1836311903, 1134903170}}) {
    RegisterComparison(
        "gcf/lcm " + std::to_string(p.a) + ", " + std::to_string(p.b),
        [p] { return WriteGcfLcm(p.a, p.b); }, [p] { return reference::WriteGcfLcm(p.a, p.b); });
  }
  return true;
}();

}  // namespace
