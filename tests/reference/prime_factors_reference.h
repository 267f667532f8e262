// Prime factorization as first written: trial division up to the square root,
// a trial-division primality test, a 1,000-slot factor list on the heap and a
// counting pass over it. The text takes the number's 32 bits as unsigned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reference {

bool IsPrime(uint32_t m);

// Each distinct prime once in increasing order, then one slot per further copy
// of each, then zeros: 1,000 slots. Empty (slot 0 is 0) for 0, 1 and primes.
std::vector<uint32_t> BuildPrimeFactorList(uint32_t n);

std::string WritePrimeFactorization(int32_t number);

}  // namespace reference
