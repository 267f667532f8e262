// Prime factorization of one 32-bit number: the factor list and the text of
// the "Prime Factors" button.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct PrimePower {
  uint32_t prime = 0;
  uint32_t exponent = 0;

  bool operator==(const PrimePower&) const = default;
};

// The distinct prime factors of a number, smallest first, each with its
// exponent. Nine slots suffice: 2 · 3 · 5 · … · 23 · 29 is above 2^32.
struct PrimeFactorList {
  std::array<PrimePower, 9> factors{};
  std::size_t count = 0;
};

// Empty for 0 and 1; a prime is its own single factor with exponent 1.
PrimeFactorList BuildPrimeFactorList(uint32_t n);

// The heading with the number as read, an empty line, then the factor line:
// " 2^3 * 3^2 * 5 " for 360, " 13^1" for a prime, " 0^1" and " 1^1" for 0 and 1.
// A negative number shows " -1 *" before the line of its magnitude, -1 alone " -1^1".
std::string WritePrimeFactorization(int32_t number);
