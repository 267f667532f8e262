// Every factor of a number, largest first, under its heading; a negative
// number's are its magnitude's. Checked against the literal divisor table.
#include "ops/all_factors.h"

#include <algorithm>

#include "tests/press.h"
#include "tests/reference/all_factors_reference.h"
#include "tests/reference/differential.h"

namespace {

PressCase Factors(const char* name, const char* field, const char* lines) {
  return {name, "all-factors", Texts{field},
          "The factors of " + std::string(field) + " are:\r\n\r\n" + lines};
}

// Those of 0 and above are held to the literal divisor table below.
const PressCase kCases[] = {
    Factors("LargestFirst", "12", "12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"),
    Factors("MinusOne", "-1", "1"),
    Factors("TheSmallestNumber", "-2147483647", "2147483647\r\n1\r\n"),
};
INSTANTIATE_TEST_SUITE_P(AllFactors, Press, testing::ValuesIn(kCases), CaseName);

// Past the literal table's 1,000 slots: up to the most divisors of any number.
TEST(AllFactors, ListsEveryFactorOfNumbersWithMoreThan1000Divisors) {
  for (uint32_t n : {245044800u, 1102701600u, 2095133040u}) {
    std::vector<uint32_t> divisors;
    for (uint32_t i = 1; uint64_t{i} * i <= n; ++i) {
      if (n % i == 0) divisors.insert(divisors.end(), {i, n / i});  // no n here is a square
    }
    std::sort(divisors.rbegin(), divisors.rend());
    std::string expected = "The factors of -" + std::to_string(n) + " are:\r\n\r\n";
    for (uint32_t divisor : divisors) expected += std::to_string(divisor) + "\r\n";
    EXPECT_EQ(WriteAllFactors(-static_cast<int32_t>(n)), expected);
  }
}

TEST(AllFactors, WritesTheLiteralTextForSmallRandomAndRecordNumbers) {
  std::vector<int32_t> numbers{720720, 1441440, 4324320, 21621600, 73513440, 122522400, 183783600};
  for (uint32_t n = 0; n <= 20000; n += reference::kCaseStride) {
    numbers.push_back(static_cast<int32_t>(n));
  }
  reference::NumberStream random(23u);
  for (uint32_t k = 0; k < 300 / reference::kCaseStride; ++k) {
    numbers.push_back(static_cast<int32_t>(random.Next31()));
  }
  for (int32_t n : numbers) ASSERT_EQ(WriteAllFactors(n), reference::WriteAllFactors(n)) << n;
}

}  // namespace
