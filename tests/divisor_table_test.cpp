#include "ops/divisor_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/reference/differential.h"
#include "tests/reference/divisor_table_reference.h"

namespace {

std::vector<uint32_t> EntriesOf(uint32_t n) {
  DivisorTable table;
  table.fill(0xDEADBEEFu);
  const std::size_t count = BuildDivisorTable(n, table);
  EXPECT_TRUE(std::all_of(table.begin() + static_cast<std::ptrdiff_t>(count), table.end(),
                          [](uint32_t slot) { return slot == 0; }))
      << "a slot past the entries of " << n << " is not 0";
  return {table.begin(), table.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<uint32_t> LiteralEntriesOf(uint32_t n) {
  reference::LiteralDivisorTable table;
  const uint32_t count = reference::BuildDivisorTable(n, table);
  return {table.begin(), table.begin() + count};
}

// Trial division up to the square root with room for any number of entries:
// the literal construction, without its 1,000-slot limit.
std::vector<uint32_t> TrialDivisionOrder(uint32_t n) {
  std::vector<uint32_t> entries{1};
  for (uint32_t i = 2; static_cast<uint64_t>(i) * i <= n; ++i) {
    if (n % i != 0) continue;
    entries.push_back(i);
    if (n / i != i) entries.push_back(n / i);
  }
  entries.push_back(n);
  return entries;
}

struct TableCase {
  uint32_t n;
  std::vector<uint32_t> entries;
};

TEST(DivisorTable, HoldsOneThenEachSmallDivisorWithItsCofactorThenTheNumber) {
  const TableCase cases[] = {
      {1, {1, 1}},
      {2, {1, 2}},
      {3, {1, 3}},
      {4, {1, 2, 4}},
      {12, {1, 2, 6, 3, 4, 12}},
      {16, {1, 2, 8, 4, 16}},
      {17, {1, 17}},
      {36, {1, 2, 18, 3, 12, 4, 9, 6, 36}},
      {100, {1, 2, 50, 4, 25, 5, 20, 10, 100}},
      {2147483647, {1, 2147483647}},
      {4294967295u,
       {1,         3,     1431655765, 5,     858993459, 15,    286331153, 17,
        252645135, 51,    84215045,   85,    50529027,  255,   16843009,  257,
        16711935,  771,   5570645,    1285,  3342387,   3855,  1114129,   4369,
        983055,    13107, 327685,     21845, 196611,    65535, 65537,     4294967295u}},
  };
  for (const TableCase& c : cases) EXPECT_EQ(EntriesOf(c.n), c.entries) << c.n;
}

TEST(DivisorTable, MatchesTheLiteralTableForEveryNumberUpTo100000) {
  for (uint32_t n = 1; n <= 100000; n += reference::kCaseStride) {
    ASSERT_EQ(EntriesOf(n), LiteralEntriesOf(n)) << n;
  }
}

// 2, 3, 5, … with each exponent at most the one before: every divisor count a
// 32-bit number can have is reached by such a number no larger than it.
void CollectShapedNumbers(uint64_t value, std::size_t prime, uint32_t maxExponent, uint64_t limit,
                          std::vector<uint64_t>& out) {
  static constexpr uint32_t kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
  out.push_back(value);
  if (prime == std::size(kPrimes)) return;
  uint64_t power = value;
  for (uint32_t e = 1; e <= maxExponent; ++e) {
    power *= kPrimes[prime];
    if (power > limit) return;
    CollectShapedNumbers(power, prime + 1, e, limit, out);
  }
}

uint32_t CountDivisors(uint64_t n) {
  uint32_t count = 1;
  for (uint64_t p = 2; p * p <= n; ++p) {
    uint32_t e = 0;
    for (; n % p == 0; n /= p) ++e;
    count *= e + 1;
  }
  return n > 1 ? 2 * count : count;
}

// The numbers below limit with more divisors than every smaller number.
std::vector<uint64_t> RecordHolders(uint64_t limit) {
  std::vector<uint64_t> shaped;
  CollectShapedNumbers(1, 0, 32, limit, shaped);
  std::sort(shaped.begin(), shaped.end());
  std::vector<uint64_t> records;
  uint32_t most = 0;
  for (uint64_t n : shaped) {
    if (CountDivisors(n) > most) {
      most = CountDivisors(n);
      records.push_back(n);
    }
  }
  return records;
}

TEST(DivisorTable, HasRoomForTheMostDivisorsOfAny32BitNumber) {
  const std::vector<uint64_t> records = RecordHolders(0xFFFFFFFFu);
  EXPECT_EQ(records.back(), 3491888400u);
  EXPECT_EQ(CountDivisors(records.back()), kDivisorTableSlots);

  const std::vector<uint64_t> fieldRecords = RecordHolders(2147483647u);
  EXPECT_EQ(fieldRecords.back(), 2095133040u);
  EXPECT_EQ(CountDivisors(fieldRecords.back()), 1600u);
  const auto firstOver1000 = std::find_if(fieldRecords.begin(), fieldRecords.end(),
                                          [](uint64_t n) { return CountDivisors(n) > 1000; });
  ASSERT_NE(firstOver1000, fieldRecords.end());
  EXPECT_EQ(*firstOver1000, 245044800u);
  EXPECT_EQ(CountDivisors(*firstOver1000), 1008u);
}

TEST(DivisorTable, KeepsTheTrialDivisionOrderForNumbersWithMoreThan1000Divisors) {
  for (uint32_t n : {245044800u, 367567200u, 1396755360u, 2095133040u, 3491888400u}) {
    const std::vector<uint32_t> entries = EntriesOf(n);
    EXPECT_EQ(entries.size(), CountDivisors(n)) << n;
    EXPECT_EQ(entries, TrialDivisionOrder(n)) << n;
  }
}

TEST(DivisorTable, MatchesTheLiteralTableOnRecordHoldersAndRandomNumbers) {
  std::vector<uint32_t> numbers;
  for (uint64_t n : RecordHolders(2147483647u)) {
    if (CountDivisors(n) <= 1000) numbers.push_back(static_cast<uint32_t>(n));
  }
  reference::NumberStream random(17u);
  for (uint32_t k = 0; k < 400 / reference::kCaseStride; ++k) {
    const uint32_t n = std::max(1u, random.Next31());
    if (CountDivisors(n) <= 1000) numbers.push_back(n);
  }
  for (uint32_t p : {46337u, 46327u, 65521u, 65519u, 101u, 2u}) numbers.push_back(p * p);
  for (uint32_t n : numbers) ASSERT_EQ(EntriesOf(n), LiteralEntriesOf(n)) << n;
}

TEST(ListDivisors, GivesEveryDivisorOnceInIncreasingOrder) {
  DivisorTable divisors;
  ASSERT_EQ(ListDivisors(1, divisors), 1u);
  EXPECT_EQ(divisors[0], 1u);
  reference::NumberStream random(19u);
  for (int k = 0; k < 2000; ++k) {
    const uint32_t n = std::max(1u, random.Next());
    const std::size_t count = ListDivisors(n, divisors);
    ASSERT_EQ(count, CountDivisors(n)) << n;
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(n % divisors[i], 0u) << n;
    const auto end = divisors.begin() + static_cast<std::ptrdiff_t>(count);
    ASSERT_EQ(std::adjacent_find(divisors.begin(), end, std::greater_equal<>()), end) << n;
  }
}

}  // namespace
