#include "tests/reference/all_factors_reference.h"

#include <cstdio>
#include <cstring>

#include "tests/reference/divisor_table_reference.h"

namespace reference {

std::string WriteAllFactors(int32_t number) {
  const auto n = static_cast<uint32_t>(number);
  if (n == 0) return "The factors of 0 are:\r\n\r\n0";
  if (n == 1) return "The factors of 1 are:\r\n\r\n1";

  char result[10000] = {};
  char text[10000];
  LiteralDivisorTable table;
  const uint32_t count = BuildDivisorTable(n, table);
  std::snprintf(result, sizeof result, "The factors of %ld are:\r\n\r\n",
                static_cast<long>(number));
  for (uint32_t k = 0; k < count; ++k) {
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(TakeLargestDivisor(table)));
    std::strcat(result, text);
    std::strcat(result, "\r\n");
  }
  return result;
}

}  // namespace reference
