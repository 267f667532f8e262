#include "tests/reference/prime_factors_reference.h"

#include "tests/reference/divisor_table_reference.h"

namespace reference {

bool IsPrime(uint32_t m) {
  if (m == 2) return true;
  if (m % 2 == 0) return false;
  for (uint32_t i = 3; i < 100; ++i) {
    if (i == m) return true;
    if (m % i == 0) return false;
  }
  for (uint32_t i = 100; i <= SquareRootTruncated(m); ++i) {
    if (m % i == 0) return false;
  }
  return true;
}

std::vector<uint32_t> BuildPrimeFactorList(uint32_t n) {
  std::vector<uint32_t> list(1000, 0);
  std::size_t w = 0;
  const uint32_t s = SquareRootTruncated(n);
  for (uint32_t j = 2; j <= s; ++j) {
    if (n % j != 0) continue;
    if (IsPrime(j)) list[w++] = j;
    const uint32_t q = n / j;
    if (q != s && IsPrime(q)) list[w++] = q;
  }

  uint32_t product = 1;
  for (std::size_t i = 0; list[i] != 0; ++i) product *= list[i];
  uint32_t r = n / product;
  for (std::size_t i = 0; list[i] != 0; ++i) {
    while (r % list[i] == 0) {
      list[w++] = list[i];
      r /= list[i];
    }
  }
  return list;
}

std::string WritePrimeFactorization(int32_t number) {
  std::vector<uint32_t> list = BuildPrimeFactorList(static_cast<uint32_t>(number));
  std::vector<uint32_t> counts(1000, 0);
  for (std::size_t i = 0; list[i] != 0; ++i) {
    for (std::size_t j = 0; j < 1000; ++j) {
      if (list[j] == list[i]) {
        ++counts[i];
        if (j != i) list[j] = 0;
      }
    }
  }

  std::string result = "The prime factorization of " + std::to_string(number) + " is:\r\n\r\n";
  if (list[0] == 0) result.append(" ").append(std::to_string(number)).append("^1");
  for (std::size_t i = 0; list[i] != 0; ++i) {
    result.append(" ").append(std::to_string(list[i]));
    if (counts[i] > 1) result.append("^").append(std::to_string(counts[i]));
    result += list[i + 1] != 0 ? " *" : " ";
  }
  return result;
}

}  // namespace reference
