#include "ops/all_factors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/press.h"
#include "tests/reference/all_factors_reference.h"
#include "tests/reference/differential.h"

namespace {

std::string PressAllFactors(const std::string& field) {
  return OnlyWrite(IDC_ALL_FACTORS, {{IDC_SINGLE_NUMBER, field}});
}

TEST(AllFactors, ListsTheFactorsLargestFirst) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "The factors of 0 are:\r\n\r\n0"},
      {"", "The factors of 0 are:\r\n\r\n0"},
      {"1", "The factors of 1 are:\r\n\r\n1"},
      {"2", "The factors of 2 are:\r\n\r\n2\r\n1\r\n"},
      {"4", "The factors of 4 are:\r\n\r\n4\r\n2\r\n1\r\n"},
      {"12", "The factors of 12 are:\r\n\r\n12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"16", "The factors of 16 are:\r\n\r\n16\r\n8\r\n4\r\n2\r\n1\r\n"},
      {"17", "The factors of 17 are:\r\n\r\n17\r\n1\r\n"},
      {"36", "The factors of 36 are:\r\n\r\n36\r\n18\r\n12\r\n9\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"100", "The factors of 100 are:\r\n\r\n100\r\n50\r\n25\r\n20\r\n10\r\n5\r\n4\r\n2\r\n1\r\n"},
      {"2147483647", "The factors of 2147483647 are:\r\n\r\n2147483647\r\n1\r\n"},
      // A negative number: the factors of its magnitude under the number as read.
      {"-12", "The factors of -12 are:\r\n\r\n12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"-1", "The factors of -1 are:\r\n\r\n1"},
      {"-2", "The factors of -2 are:\r\n\r\n2\r\n1\r\n"},
      {"-2147483647", "The factors of -2147483647 are:\r\n\r\n2147483647\r\n1\r\n"},
  };
  for (const auto& [field, text] : cases) {
    EXPECT_EQ(PressAllFactors(field), text) << "field: \"" << field << "\"";
  }
}

TEST(AllFactors, ListsEveryFactorOfNumbersWithMoreThan1000Divisors) {
  const struct {
    const char* field;
    uint32_t magnitude;
    std::size_t count;
  } cases[] = {{"245044800", 245044800, 1008},   {"367567200", 367567200, 1152},
               {"1102701600", 1102701600, 1440}, {"1396755360", 1396755360, 1536},
               {"2095133040", 2095133040, 1600}, {"-2095133040", 2095133040, 1600}};
  for (const auto& c : cases) {
    std::vector<uint32_t> divisors;
    for (uint32_t i = 1; uint64_t{i} * i <= c.magnitude; ++i) {
      if (c.magnitude % i != 0) continue;
      divisors.push_back(i);
      if (i != c.magnitude / i) divisors.push_back(c.magnitude / i);
    }
    ASSERT_EQ(divisors.size(), c.count);
    std::sort(divisors.rbegin(), divisors.rend());
    std::string expected = std::string("The factors of ") + c.field + " are:\r\n\r\n";
    for (uint32_t divisor : divisors) expected += std::to_string(divisor) + "\r\n";
    EXPECT_EQ(PressAllFactors(c.field), expected) << c.field;
  }
  EXPECT_EQ(PressAllFactors("2095133040").size(), 11'499u);
}

TEST(AllFactors, WritesTheLiteralTextForSmallRandomAndRecordNumbers) {
  std::vector<int32_t> numbers;
  for (uint32_t n = 0; n <= 20000; n += reference::kCaseStride) {
    numbers.push_back(static_cast<int32_t>(n));
  }
  for (int32_t n : {720720, 1441440, 4324320, 21621600, 73513440, 122522400, 183783600}) {
    numbers.push_back(n);
  }
  reference::NumberStream random(23u);
  for (uint32_t k = 0; k < 300 / reference::kCaseStride; ++k) {
    numbers.push_back(static_cast<int32_t>(random.Next31()));
  }
  for (int32_t n : numbers) ASSERT_EQ(WriteAllFactors(n), reference::WriteAllFactors(n)) << n;
}

}  // namespace
