#include "tests/reference/gcf_lcm_reference.h"

#include <cstdio>
#include <cstring>

#include "tests/reference/divisor_table_reference.h"

namespace reference {

std::string WriteGcfLcm(int32_t first, int32_t second) {
  const auto a = static_cast<uint32_t>(first);
  const auto b = static_cast<uint32_t>(second);

  LiteralDivisorTable firstTable;
  LiteralDivisorTable secondTable;
  BuildDivisorTable(a, firstTable);
  BuildDivisorTable(b, secondTable);
  uint32_t gcf = 0;
  for (bool found = false; !found;) {
    gcf = TakeLargestDivisor(firstTable);
    for (uint32_t value : secondTable) {
      if (value == gcf) {
        found = true;
        break;
      }
    }
  }

  const uint32_t larger = a >= b ? a : b;
  const uint32_t smaller = a >= b ? b : a;
  uint64_t multiple = larger;
  while (multiple % smaller != 0) {
    multiple += larger;
    if (multiple > 4000000000u) break;
  }

  char result[10000] = {};
  char number[10000];
  if (gcf == 1) {
    std::snprintf(result, sizeof result, "%ld, and %ld are relatively prime.\r\n\r\n\r\n",
                  static_cast<long>(first), static_cast<long>(second));
  } else {
    std::snprintf(result, sizeof result, "The GCF of %ld, and %ld is: %ld\r\n\r\n",
                  static_cast<long>(first), static_cast<long>(second), static_cast<long>(gcf));
  }
  if (multiple <= 4000000000u) {
    std::snprintf(number, sizeof number, "The LCM of %ld, and %ld is: %lu",
                  static_cast<long>(first), static_cast<long>(second),
                  static_cast<unsigned long>(multiple));
    std::strcat(result, number);
  } else {
    std::strcat(result, "The LCM is too large to calculate.");
  }
  return result;
}

}  // namespace reference
