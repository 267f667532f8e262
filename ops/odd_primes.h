// The odd primes below 2^16, each with what a divisibility test by it needs,
// made by a sieve on first use rather than shipped in the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// An odd prime with what a divisibility test by it needs: n is a multiple of
// prime exactly when n * inverse (mod 2^32) is at most limit, and that product
// is then n / prime. One multiplication instead of a division per candidate.
struct OddPrime {
  uint32_t prime;
  uint32_t inverse;
  uint32_t limit;
  uint32_t square;
};

// Every odd prime below 2^16, the square root of 2^32. A composite number
// below 2^32 has a prime factor below that, so trial division by these always
// completes a factorization.
inline constexpr uint32_t kOddPrimesBelow = 1u << 16;
inline constexpr std::size_t kOddPrimeCount = 6541;
using OddPrimeTable = std::array<OddPrime, kOddPrimeCount>;

// The inverse of an odd number modulo 2^32: odd * inverse is 1 (mod 2^32).
constexpr uint32_t InverseModulo2To32(uint32_t odd) {
  uint32_t inverse = odd;  // right in the low 3 bits; each step doubles that
  for (int step = 0; step < 4; ++step) inverse *= 2u - odd * inverse;
  return inverse;
}

// Fills the table, smallest prime first.
void MakeOddPrimes(OddPrimeTable& primes);

// The table is aligned to kOddPrimeAlignment bytes, so that a scan can load
// its entries as whole aligned vectors.
inline constexpr std::size_t kOddPrimeAlignment = 64;

// The table, made once, by the first call, whenever that comes: from main or
// from any static initializer.
const OddPrimeTable& OddPrimes();
