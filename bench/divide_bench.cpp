// The long division's whole text, ours beside the literal division that
// compares every remainder with all earlier ones, on the same numbers. The
// worst cases find no repeat and write all 10,000 digits; 22 / 7 is typical.
#include <cstdint>

#include "bench/comparison.h"
#include "ops/divide.h"
#include "tests/reference/divide_reference.h"

namespace {

const bool kRegistered = [] {
  struct Case {
    const char* name;
    uint32_t dividend;
    uint32_t divisor;
  };
  for (const Case c :
       {Case{"divide 4294967295 / 4294967294 (no repeat)", 4294967295u, 4294967294u},
        Case{"divide 1 / 79988 (no repeat)", 1, 79988},
        Case{"divide 1 / 19997 (period 9,998)", 1, 19997}, Case{"divide 22 / 7", 22, 7}}) {
    RegisterComparison(
        c.name, [c] { return DivideWithRepeat(c.dividend, c.divisor); },
        [c] { return DivideLiterally(c.dividend, c.divisor); });
  }
  return true;
}();

}  // namespace
