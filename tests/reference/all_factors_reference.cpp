#include "tests/reference/all_factors_reference.h"

#include "tests/reference/divisor_table_reference.h"

namespace reference {

std::string WriteAllFactors(int32_t number) {
  const auto n = static_cast<uint32_t>(number);
  std::string result = "The factors of " + std::to_string(number) + " are:\r\n\r\n";
  if (n < 2) return result + std::to_string(n);
  LiteralDivisorTable table;
  const uint32_t count = BuildDivisorTable(n, table);
  for (uint32_t k = 0; k < count; ++k) result += std::to_string(TakeLargestDivisor(table)) + "\r\n";
  return result;
}

}  // namespace reference
