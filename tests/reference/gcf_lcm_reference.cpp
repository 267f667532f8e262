#include "tests/reference/gcf_lcm_reference.h"

#include <algorithm>

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
  do {
    gcf = TakeLargestDivisor(firstTable);
  } while (std::find(secondTable.begin(), secondTable.end(), gcf) == secondTable.end());

  const uint32_t larger = a >= b ? a : b;
  const uint32_t smaller = a >= b ? b : a;
  uint64_t multiple = larger;
  while (multiple % smaller != 0) {
    multiple += larger;
    if (multiple > 4000000000u) break;
  }

  const std::string pair = std::to_string(first) + ", and " + std::to_string(second);
  std::string result = gcf == 1 ? pair + " are relatively prime.\r\n\r\n\r\n"
                                : "The GCF of " + pair + " is: " + std::to_string(gcf) + "\r\n\r\n";
  if (multiple > 4000000000u) return result + "The LCM is too large to calculate.";
  return result + "The LCM of " + pair + " is: " + std::to_string(multiple);
}

}  // namespace reference
