#include "ops/gcf_lcm.h"

#include <optional>

#include "ops/magnitude.h"
#include "ops/number_text.h"

namespace {

void AppendPair(std::string& text, int32_t first, int32_t second) {
  AppendSigned(text, first);
  text += ", and ";
  AppendSigned(text, second);
}

}  // namespace

uint32_t FindGcf(uint32_t a, uint32_t b) {
  while (b != 0) {
    const uint32_t remainder = a % b;
    a = b;
    b = remainder;
  }
  return a;
}

uint64_t FindLcm(uint32_t a, uint32_t b) { return static_cast<uint64_t>(a / FindGcf(a, b)) * b; }

std::string WriteGcfLcm(int32_t first, int32_t second) {
  const uint32_t a = MagnitudeOf(first);
  const uint32_t b = MagnitudeOf(second);
  const uint32_t gcf = FindGcf(a, b);

  std::string text;
  if (gcf == 1) {
    AppendPair(text, first, second);
    text += " are relatively prime.\r\n\r\n\r\n";
  } else {
    text += "The GCF of ";
    AppendPair(text, first, second);
    text += " is: ";
    AppendUnsigned(text, gcf);
    text += "\r\n\r\n";
  }

  const uint64_t lcm = FindLcm(a, b);
  if (lcm > kLcmCap) {
    text += "The LCM is too large to calculate.";
  } else {
    text += "The LCM of ";
    AppendPair(text, first, second);
    text += " is: ";
    AppendUnsigned(text, static_cast<uint32_t>(lcm));
  }
  return text;
}
