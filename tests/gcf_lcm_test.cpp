#include "ops/gcf_lcm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/press.h"
#include "tests/reference/differential.h"
#include "tests/reference/gcf_lcm_reference.h"

namespace {

const std::string kBanner =
    "\r\nThe Greatest Common Factor finder V2.00\r\n and Least Common Multiple finder V1.00,\r\n";

Events PressGcfLcm(const std::string& first, const std::string& second) {
  return Dispatch(IDC_GCF_LCM, {{IDC_FIRST_NUMBER, first}, {IDC_SECOND_NUMBER, second}});
}

struct GcfLcmCase {
  const char* first;
  const char* second;
  const char* text;
};

TEST(GcfLcm, ShowsTheBannerThenTheResult) {
  const GcfLcmCase cases[] = {
      {"12", "18", "The GCF of 12, and 18 is: 6\r\n\r\nThe LCM of 12, and 18 is: 36"},
      {"18", "12", "The GCF of 18, and 12 is: 6\r\n\r\nThe LCM of 18, and 12 is: 36"},
      {"36", "48", "The GCF of 36, and 48 is: 12\r\n\r\nThe LCM of 36, and 48 is: 144"},
      {"100", "75", "The GCF of 100, and 75 is: 25\r\n\r\nThe LCM of 100, and 75 is: 300"},
      {"4", "9", "4, and 9 are relatively prime.\r\n\r\n\r\nThe LCM of 4, and 9 is: 36"},
      {"7", "7", "The GCF of 7, and 7 is: 7\r\n\r\nThe LCM of 7, and 7 is: 7"},
      {"1", "5", "1, and 5 are relatively prime.\r\n\r\n\r\nThe LCM of 1, and 5 is: 5"},
      {"1", "1", "1, and 1 are relatively prime.\r\n\r\n\r\nThe LCM of 1, and 1 is: 1"},
      {"2147483647", "2147483647",
       "The GCF of 2147483647, and 2147483647 is: 2147483647\r\n\r\n"
       "The LCM of 2147483647, and 2147483647 is: 2147483647"},
      {"1000000000", "3",
       "1000000000, and 3 are relatively prime.\r\n\r\n\r\n"
       "The LCM of 1000000000, and 3 is: 3000000000"},
      {"2000000000", "2048",
       "The GCF of 2000000000, and 2048 is: 1024\r\n\r\n"
       "The LCM of 2000000000, and 2048 is: 4000000000"},
      {"2000000000", "3",
       "2000000000, and 3 are relatively prime.\r\n\r\n\r\nThe LCM is too large to calculate."},
      {"1000000000", "999999998",
       "The GCF of 1000000000, and 999999998 is: 2\r\n\r\nThe LCM is too large to calculate."},
      {"65536", "65535",
       "65536, and 65535 are relatively prime.\r\n\r\n\r\nThe LCM is too large to calculate."},
      // Negative numbers: computed on their magnitudes, written as read.
      {"-6", "4", "The GCF of -6, and 4 is: 2\r\n\r\nThe LCM of -6, and 4 is: 12"},
      {"6", "-4", "The GCF of 6, and -4 is: 2\r\n\r\nThe LCM of 6, and -4 is: 12"},
      {"-6", "-4", "The GCF of -6, and -4 is: 2\r\n\r\nThe LCM of -6, and -4 is: 12"},
      {"-1", "5", "-1, and 5 are relatively prime.\r\n\r\n\r\nThe LCM of -1, and 5 is: 5"},
      {"-2147483647", "2147483647",
       "The GCF of -2147483647, and 2147483647 is: 2147483647\r\n\r\n"
       "The LCM of -2147483647, and 2147483647 is: 2147483647"},
      {"-2000000000", "3",
       "-2000000000, and 3 are relatively prime.\r\n\r\n\r\nThe LCM is too large to calculate."},
  };
  for (const GcfLcmCase& c : cases) {
    EXPECT_EQ(PressGcfLcm(c.first, c.second), (Events{Write(kBanner), Write(c.text)}))
        << c.first << ", " << c.second;
  }
}

TEST(GcfLcm, RefusesAZeroWithAMessageBoxAfterTheBanner) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "5"},          {"5", "0"},           {"", ""},   {"x", "12"}};
  const Events expected{
      Write(kBanner),
      {EventKind::MessageBox, 0, "\n\nInvalid Input, Cannot input Zero\n\n", std::nullopt, 0}};
  for (const auto& [first, second] : cases) {
    EXPECT_EQ(PressGcfLcm(first, second), expected) << first << ", " << second;
  }
}

// Pairs that reach every branch of the literal steps: a small grid, random
// numbers, a shared factor large or small, and LCMs on both sides of the cap.
std::vector<std::pair<int32_t, int32_t>> DifferentialPairs() {
  std::vector<std::pair<int32_t, int32_t>> pairs;
  const auto add = [&pairs](uint64_t a, uint64_t b) {
    if (a >= 1 && b >= 1 && a <= 2147483647u && b <= 2147483647u) {
      pairs.emplace_back(static_cast<int32_t>(a), static_cast<int32_t>(b));
    }
  };
  for (uint32_t a = 1; a <= 60; ++a) {
    for (uint32_t b = 1; b <= 60; b += reference::kCaseStride) add(a, b);
  }
  reference::NumberStream random(37u);
  for (uint32_t k = 0; k < 200 / reference::kCaseStride; ++k) {
    add(random.Next31(), random.Next31());
    const uint64_t large = 1 + random.Below(1u << 24);
    add(large * (1 + random.Below(100)), large * (1 + random.Below(100)));
    const uint64_t small = 1 + random.Below(64);
    add(small * (1 + random.Below(1u << 24)), small * (1 + random.Below(1u << 24)));
    // The LCM within a few steps of the larger number from the cap.
    const uint64_t a = 63245 + random.Below(2147483647u - 63245);
    const uint64_t b = kLcmCap / a + random.Below(5) - 2;
    add(a, b);
    add(b, a);
  }
  for (uint64_t a : {63241u, 63247u, 65536u, 65535u, 2000000000u, 1000000000u}) {
    for (uint64_t b : {63241u, 63247u, 63245u, 2u, 3u, 4u, 2048u, 2049u}) add(a, b);
  }
  return pairs;
}

TEST(GcfLcm, WritesTheLiteralTextForSmallRandomAndCapPairs) {
  for (const auto& [a, b] : DifferentialPairs()) {
    ASSERT_EQ(WriteGcfLcm(a, b), reference::WriteGcfLcm(a, b)) << a << ", " << b;
  }
}

}  // namespace
