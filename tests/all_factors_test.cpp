#include "ops/all_factors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/command_table.h"
#include "form/memory_form.h"
#include "tests/reference/all_factors_reference.h"
#include "tests/reference/differential.h"
#include "tests/single_number_press.h"

namespace {

std::string PressAllFactors(const std::string& field) {
  return PressWithSingleNumber(IDC_ALL_FACTORS, field);
}

struct FactorsCase {
  const char* field;
  const char* text;
};

TEST(AllFactors, ListsEachEdgeCaseLargestFirst) {
  const FactorsCase cases[] = {
      {"0", "The factors of 0 are:\r\n\r\n0"},
      {"", "The factors of 0 are:\r\n\r\n0"},
      {"2147483648", "The factors of 0 are:\r\n\r\n0"},
      {"-2147483648", "The factors of 0 are:\r\n\r\n0"},
      {"1", "The factors of 1 are:\r\n\r\n1"},
      {"2", "The factors of 2 are:\r\n\r\n2\r\n1\r\n"},
      {"4", "The factors of 4 are:\r\n\r\n4\r\n2\r\n1\r\n"},
      {"12", "The factors of 12 are:\r\n\r\n12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"16", "The factors of 16 are:\r\n\r\n16\r\n8\r\n4\r\n2\r\n1\r\n"},
      {"17", "The factors of 17 are:\r\n\r\n17\r\n1\r\n"},
      {"36", "The factors of 36 are:\r\n\r\n36\r\n18\r\n12\r\n9\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"100", "The factors of 100 are:\r\n\r\n100\r\n50\r\n25\r\n20\r\n10\r\n5\r\n4\r\n2\r\n1\r\n"},
      {"2147483647", "The factors of 2147483647 are:\r\n\r\n2147483647\r\n1\r\n"},
  };
  for (const FactorsCase& c : cases) {
    SCOPED_TRACE(std::string("field: \"") + c.field + "\"");
    EXPECT_EQ(PressAllFactors(c.field), c.text);
  }
}

TEST(AllFactors, ListsTheFactorsOfTheMagnitudeUnderTheNumberAsRead) {
  const FactorsCase cases[] = {
      {"-12", "The factors of -12 are:\r\n\r\n12\r\n6\r\n4\r\n3\r\n2\r\n1\r\n"},
      {"-1", "The factors of -1 are:\r\n\r\n1"},
      {"-2", "The factors of -2 are:\r\n\r\n2\r\n1\r\n"},
      {"-2147483647", "The factors of -2147483647 are:\r\n\r\n2147483647\r\n1\r\n"},
  };
  for (const FactorsCase& c : cases) {
    SCOPED_TRACE(std::string("field: \"") + c.field + "\"");
    EXPECT_EQ(PressAllFactors(c.field), c.text);
  }
}

// The factors listed after the header of the number as read, each checked to
// divide its magnitude n and to be below the one before.
std::vector<uint32_t> ListedFactors(const std::string& text, const std::string& number,
                                    uint32_t n) {
  const std::string header = "The factors of " + number + " are:\r\n\r\n";
  EXPECT_EQ(text.substr(0, header.size()), header);
  std::vector<uint32_t> factors;
  for (std::size_t at = header.size(); at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a factor without its line end";
      break;
    }
    factors.push_back(static_cast<uint32_t>(std::stoul(text.substr(at, end - at))));
    at = end + 2;
  }
  for (std::size_t i = 0; i < factors.size(); ++i) {
    EXPECT_EQ(n % factors[i], 0u) << factors[i];
    if (i > 0) {
      EXPECT_LT(factors[i], factors[i - 1]);
    }
  }
  return factors;
}

TEST(AllFactors, ListsAll1600FactorsOfTheNumberWithTheMostDivisors) {
  const std::string text = PressAllFactors("2095133040");
  const std::vector<uint32_t> factors = ListedFactors(text, "2095133040", 2095133040u);
  ASSERT_EQ(factors.size(), 1600u);
  EXPECT_EQ(factors.front(), 2095133040u);
  EXPECT_EQ(factors.back(), 1u);
  EXPECT_EQ(text.size(), 11499u);
  EXPECT_EQ(text.size() - std::string("The factors of 2095133040 are:\r\n\r\n").size(), 11465u);
}

TEST(AllFactors, ListsEveryFactorOfNumbersWithMoreThan1000Divisors) {
  const struct {
    const char* field;
    uint32_t magnitude;
    std::size_t count;
  } cases[] = {{"245044800", 245044800, 1008},
               {"367567200", 367567200, 1152},
               {"1102701600", 1102701600, 1440},
               {"1396755360", 1396755360, 1536},
               {"-2095133040", 2095133040, 1600}};
  for (const auto& c : cases) {
    EXPECT_EQ(ListedFactors(PressAllFactors(c.field), c.field, c.magnitude).size(), c.count)
        << c.field;
  }
}

TEST(AllFactors, GivesTheSameTextOnASecondPress) {
  MemoryForm form;
  CNumbersDlg dialog(form);
  form.Type(IDC_SINGLE_NUMBER, "720720");
  DispatchCommand(dialog, IDC_ALL_FACTORS, Notification::Clicked);
  DispatchCommand(dialog, IDC_ALL_FACTORS, Notification::Clicked);
  ASSERT_EQ(form.Events().size(), 2u);
  EXPECT_EQ(form.Events()[0], form.Events()[1]);
}

TEST(AllFactors, WritesTheLiteralTextForSmallRandomAndRecordNumbers) {
  std::vector<int32_t> numbers;
  const auto stride = static_cast<int32_t>(reference::kCaseStride);
  for (int32_t n = 0; n <= 20000; n += stride) numbers.push_back(n);
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
