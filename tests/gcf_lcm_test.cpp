// The greatest common factor and least common multiple of two non-zero
// numbers, under the finder's banner, checked against the literal steps.
#include "ops/gcf_lcm.h"

#include "tests/press.h"
#include "tests/reference/differential.h"
#include "tests/reference/gcf_lcm_reference.h"

namespace {

PressCase GcfLcm(const char* name, const char* first, const char* second, std::string text) {
  return {name, "gcf-lcm", {first, second}, std::move(text)};
}

// Positive pairs' texts are held to the literal steps below.
const PressCase kCases[] = {
    GcfLcm("RelativelyPrime", "4", "9",
           "4, and 9 are relatively prime.\r\n\r\n\r\nThe LCM of 4, and 9 is: 36"),
    GcfLcm("NegativeNumbersAsRead", "-6", "-4",
           "The GCF of -6, and -4 is: 2\r\n\r\nThe LCM of -6, and -4 is: 12"),
    Refused("AZeroInABox", "gcf-lcm", {"12", ""}, kGcfBanner,
            "\n\nInvalid Input, Cannot input Zero\n\n"),
};
INSTANTIATE_TEST_SUITE_P(GcfLcm, Press, testing::ValuesIn(kCases), CaseName);

TEST(GcfLcm, ShowsTheBannerFirst) { EXPECT_EQ(Pressed("gcf-lcm", {"4", "6"})[0].text, kGcfBanner); }

// Pairs that reach every branch of the literal steps: a small grid, random
// numbers, a shared factor large or small, and LCMs on both sides of the cap.
TEST(GcfLcm, WritesTheLiteralTextForSmallRandomAndCapPairs) {
  const auto expect = [](uint64_t a, uint64_t b) {
    if (a < 1 || b < 1 || a > 2147483647u || b > 2147483647u) return;
    const auto first = static_cast<int32_t>(a);
    const auto second = static_cast<int32_t>(b);
    ASSERT_EQ(WriteGcfLcm(first, second), reference::WriteGcfLcm(first, second)) << a << ", " << b;
  };
  for (uint32_t a = 1; a <= 60; ++a) {
    for (uint32_t b = 1; b <= 60; b += reference::kCaseStride) expect(a, b);
  }
  reference::NumberStream random(37u);
  for (uint32_t k = 0; k < 200 / reference::kCaseStride; ++k) {
    expect(random.Next31(), random.Next31());
    const uint64_t large = 1 + random.Below(1u << 24);
    expect(large * (1 + random.Below(100)), large * (1 + random.Below(100)));
    const uint64_t small = 1 + random.Below(64);
    expect(small * (1 + random.Below(1u << 24)), small * (1 + random.Below(1u << 24)));
    // The LCM within a few steps of the larger number from the cap.
    const uint64_t a = 63245 + random.Below(2147483647u - 63245);
    const uint64_t b = kLcmCap / a + random.Below(5) - 2;
    expect(a, b);
    expect(b, a);
  }
  for (uint64_t a : {63241u, 63247u, 65536u, 65535u, 2000000000u, 1000000000u}) {
    for (uint64_t b : {63241u, 63247u, 63245u, 2u, 3u, 4u, 2048u, 2049u}) expect(a, b);
  }
}

}  // namespace
