// A program that factorizes from a static initializer of its own, which runs
// before those of the operations library, still gets the right answer.
#include <cstdio>
#include <string>

#include "ops/prime_factors.h"

namespace {
const std::string kEarly = WritePrimeFactorization(2147117569);
}  // namespace

int main() {
  if (kEarly == "The prime factorization of 2147117569 is:\r\n\r\n 46337^2 ") return 0;
  std::fputs(kEarly.c_str(), stderr);
  return 1;
}
