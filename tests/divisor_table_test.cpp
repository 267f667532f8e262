#include "ops/divisor_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/reference/differential.h"
#include "tests/reference/divisor_table_reference.h"

namespace {

// The entries of n's table; every slot after them must hold 0.
std::vector<uint32_t> EntriesOf(uint32_t n) {
  DivisorTable table;
  table.fill(0xDEADBEEFu);
  const auto count = static_cast<std::ptrdiff_t>(BuildDivisorTable(n, table));
  EXPECT_TRUE(std::all_of(table.begin() + count, table.end(), [](uint32_t slot) { return slot == 0; }))
      << "a slot past the entries of " << n << " is not 0";
  return {table.begin(), table.begin() + count};
}

TEST(DivisorTable, HoldsOneThenEachSmallDivisorWithItsCofactorThenTheNumber) {
  const std::pair<uint32_t, std::vector<uint32_t>> cases[] = {
      {1, {1, 1}}, {2, {1, 2}}, {3, {1, 3}}, {4, {1, 2, 4}}, {12, {1, 2, 6, 3, 4, 12}},
      {16, {1, 2, 8, 4, 16}}, {17, {1, 17}}, {36, {1, 2, 18, 3, 12, 4, 9, 6, 36}},
      {100, {1, 2, 50, 4, 25, 5, 20, 10, 100}}, {2147483647, {1, 2147483647}},
  };
  for (const auto& [n, entries] : cases) EXPECT_EQ(EntriesOf(n), entries) << n;
}

TEST(DivisorTable, KeepsTheTrialDivisionOrderForNumbersWithMoreThan1000Divisors) {
  // 3,491,888,400 has the most divisors of any 32-bit number.
  const std::pair<uint32_t, std::size_t> cases[] = {
      {245044800u, 1008}, {367567200u, 1152}, {1396755360u, 1536},
      {2095133040u, 1600}, {3491888400u, 1920}};
  for (const auto& [n, count] : cases) {
    // Trial division up to the square root, without the literal table's 1,000-slot limit.
    std::vector<uint32_t> expected{1};
    for (uint32_t i = 2; static_cast<uint64_t>(i) * i <= n; ++i) {
      if (n % i != 0) continue;
      expected.push_back(i);
      if (n / i != i) expected.push_back(n / i);
    }
    expected.push_back(n);
    ASSERT_EQ(expected.size(), count);
    EXPECT_EQ(EntriesOf(n), expected) << n;
  }
}

TEST(DivisorTable, MatchesTheLiteralTableUpTo100000AndForSquaresRecordsAndRandomNumbers) {
  std::vector<uint32_t> numbers;
  for (uint32_t n = 1; n <= 100000; n += reference::kCaseStride) numbers.push_back(n);
  for (uint32_t p : {46337u, 46327u, 65521u, 65519u, 101u, 2u}) numbers.push_back(p * p);
  for (uint32_t n : {720720u, 1441440u, 4324320u, 21621600u, 73513440u, 183783600u}) {
    numbers.push_back(n);
  }
  reference::NumberStream random(17u);
  for (uint32_t k = 0; k < 400 / reference::kCaseStride; ++k) {
    numbers.push_back(std::max(1u, random.Next31()));
  }
  for (uint32_t n : numbers) {
    const std::vector<uint32_t> entries = EntriesOf(n);
    if (entries.size() > 1000) continue;  // past the literal table
    reference::LiteralDivisorTable literal;
    const uint32_t count = reference::BuildDivisorTable(n, literal);
    ASSERT_EQ(entries, std::vector<uint32_t>(literal.begin(), literal.begin() + count)) << n;
  }
}

}  // namespace
