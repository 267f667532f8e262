#include "ops/prime_factors.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "ops/magnitude.h"
#include "ops/number_text.h"
#include "ops/odd_primes.h"

namespace {

// How many odd primes (3 to 139) are tried before the first primality test.
// Past them most random numbers hold one large prime, which the test settles
// faster than trial division up to its square root would.
constexpr std::size_t kQuickPrimes = 33;

bool Divides(const OddPrime& p, uint32_t n) { return n * p.inverse <= p.limit; }

// The index of the first prime from k on that divides n, or kOddPrimeCount.
// Tried eight at a time, with one branch for the eight; told of the table's
// alignment, the compiler tests the eight with aligned vector loads, which
// keeps this scan as fast as over a table built into the program.
std::size_t FindPrimeFactor(const OddPrimeTable& table, uint32_t n, std::size_t k) {
  // The builtin that std::assume_aligned wraps, which the browser build's
  // standard library lacks.
  const auto* const primes =
      static_cast<const OddPrime*>(__builtin_assume_aligned(table.data(), kOddPrimeAlignment));
  for (; k + 8 <= kOddPrimeCount; k += 8) {
    bool divides = false;
    for (std::size_t j = 0; j < 8; ++j) divides |= Divides(primes[k + j], n);
    if (divides) break;
  }
  while (k < kOddPrimeCount && !Divides(primes[k], n)) ++k;
  return k;
}

// Arithmetic modulo an odd n in Montgomery form, x standing for x · 2^32 mod n.
// Every product of two residues fits 64 bits, also on 32-bit targets.
class MontgomeryModulus {
 public:
  explicit MontgomeryModulus(uint32_t n)
      : n_(n), inverse_(InverseModulo2To32(n)), one_((0u - n) % n) {}

  uint32_t One() const { return one_; }
  uint32_t MinusOne() const { return n_ - one_; }

  // A small number in Montgomery form, by doubling and adding: no division.
  uint32_t FromSmall(uint32_t k) const {
    uint32_t x = 0;
    for (int bit = static_cast<int>(std::bit_width(k)) - 1; bit >= 0; --bit) {
      x = Add(x, x);
      if ((k >> bit) & 1u) x = Add(x, one_);
    }
    return x;
  }

  uint32_t Add(uint32_t a, uint32_t b) const { return a >= n_ - b ? a - (n_ - b) : a + b; }

  uint32_t Multiply(uint32_t a, uint32_t b) const { return Reduce(static_cast<uint64_t>(a) * b); }

 private:
  // t / 2^32 mod n for t below n · 2^32; the result is below n.
  uint32_t Reduce(uint64_t t) const {
    const uint32_t q = static_cast<uint32_t>(t) * inverse_;
    // t - q·n is a multiple of 2^32: only the high words differ.
    const auto high = static_cast<uint32_t>(t >> 32);
    const auto qnHigh = static_cast<uint32_t>((static_cast<uint64_t>(q) * n_) >> 32);
    return high >= qnHigh ? high - qnHigh : high - qnHigh + n_;
  }

  uint32_t n_;
  uint32_t inverse_;
  uint32_t one_;
};

// Given power = base^odd with n - 1 = odd · 2^twos: whether the base finds n
// a strong probable prime, that is power is 1 or one of power^(2^k), k below
// twos, is -1.
bool PassesStrongTest(const MontgomeryModulus& modulus, uint32_t power, int twos) {
  if (power == modulus.One() || power == modulus.MinusOne()) return true;
  for (int k = 1; k < twos; ++k) {
    power = modulus.Multiply(power, power);
    if (power == modulus.MinusOne()) return true;
  }
  return false;
}

// The second base of the primality test for each of 16 buckets of numbers,
// and the hash that buckets them. Testing every odd number below 2^32 finds
// 2,049 composites from 149^2 on with no prime factor up to 139 that the
// strong test to base 2 lets pass; each fails the test to its bucket's base,
// and a prime passes the test to every base. The bases are below 149^2, so
// none is a multiple of a number tested. A test of the prime factor list holds
// every such number to a sieve (run it after changing this).
constexpr std::array<uint16_t, 16> kSecondBases{281, 59,   82,  521, 59,  831, 171, 926,
                                                650, 2915, 177, 650, 174, 71,  107, 1215};
constexpr uint32_t kSecondBaseHash = 0x45d9f3b;
static_assert(kQuickPrimes >= 33,
              "the second bases hold for numbers with no prime factor up to 139");

std::size_t SecondBaseBucket(uint32_t n) { return ((n >> 16 ^ n) * kSecondBaseHash) >> 28; }

// Whether n is prime, for odd n from 149^2 on with no prime factor up to 139:
// the strong probable-prime test to base 2 and to its bucket's second base.
// The power of 2 is raised from the highest bit down, where multiplying by 2
// is an addition; the power of the second base from the lowest bit up, so its
// squarings are its only chain of dependent steps and the two chains
// overlap. The bits select without branching.
bool IsPrimeWithoutSmallFactors(uint32_t n) {
  const MontgomeryModulus modulus(n);
  const int twos = std::countr_zero(n - 1);
  const uint32_t odd = (n - 1) >> twos;
  const int top = static_cast<int>(std::bit_width(odd)) - 1;

  uint32_t power2 = modulus.FromSmall(2);
  uint32_t square = modulus.FromSmall(kSecondBases[SecondBaseBucket(n)]);
  uint32_t power = square;  // odd has its lowest bit set
  for (int i = 1; i <= top; ++i) {
    power2 = modulus.Multiply(power2, power2);
    const uint32_t doubled = modulus.Add(power2, power2);
    power2 = ((odd >> (top - i)) & 1u) != 0 ? doubled : power2;

    square = modulus.Multiply(square, square);
    const uint32_t next = modulus.Multiply(power, square);
    power = ((odd >> i) & 1u) != 0 ? next : power;
  }
  return PassesStrongTest(modulus, power2, twos) && PassesStrongTest(modulus, power, twos);
}

// Divides every factor p out of n and records p with its exponent.
void TakeOut(const OddPrime& p, uint32_t& n, PrimeFactorList& list) {
  uint32_t exponent = 0;
  for (uint32_t quotient = n * p.inverse; quotient <= p.limit; quotient = n * p.inverse) {
    n = quotient;
    ++exponent;
  }
  list.factors[list.count++] = {p.prime, exponent};
}

// Copies text to out: returns its end.
char* Put(char* out, std::string_view text) { return std::copy(text.begin(), text.end(), out); }

// Room for any factor line: nine factors, each "* ", a prime, "^", an
// exponent and " ", with room for whole numbers where numbers are written.
constexpr std::size_t kFactorLineRoom = 9 * (2 + kLongestNumber + 1 + kLongestNumber + 1);

// The factor line of a magnitude written at out: returns its end.
char* WriteFactorLine(char* out, uint32_t magnitude) {
  const PrimeFactorList list = BuildPrimeFactorList(magnitude);
  if (list.count == 0 || (list.count == 1 && list.factors[0].exponent == 1)) {
    *out++ = ' ';
    return Put(WriteUnsigned(out, magnitude), "^1");
  }
  for (std::size_t i = 0; i < list.count; ++i) {
    if (i > 0) *out++ = '*';
    *out++ = ' ';
    out = WriteUnsigned(out, list.factors[i].prime);
    if (list.factors[i].exponent > 1) {
      *out++ = '^';
      out = WriteUnsigned(out, list.factors[i].exponent);
    }
    *out++ = ' ';
  }
  return out;
}

}  // namespace

PrimeFactorList BuildPrimeFactorList(uint32_t n) {
  PrimeFactorList list;
  if (n < 2) return list;
  if (const int twos = std::countr_zero(n); twos > 0) {
    list.factors[list.count++] = {2, static_cast<uint32_t>(twos)};
    n >>= twos;
  }

  const OddPrimeTable& primes = OddPrimes();
  std::size_t k = 0;
  for (; k < kQuickPrimes && n >= primes[k].square; ++k) {
    if (Divides(primes[k], n)) TakeOut(primes[k], n, list);
  }
  // From here n has no prime factor below primes[k], so it is 1 or prime when
  // it is below that prime's square.
  while (n > 1 && k < kOddPrimeCount && n >= primes[k].square && !IsPrimeWithoutSmallFactors(n)) {
    // n is composite, so a prime factor below 2^16 remains to be found.
    k = FindPrimeFactor(primes, n, k);
    if (k == kOddPrimeCount) break;
    TakeOut(primes[k], n, list);
    ++k;
  }
  if (n > 1) list.factors[list.count++] = {n, 1};
  return list;
}

std::string WritePrimeFactorization(int32_t number) {
  static constexpr std::string_view kHeading = "The prime factorization of ";
  static constexpr std::string_view kHeadingEnd = " is:\r\n\r\n";
  static constexpr std::string_view kMinusOne = " -1 *";
  // Written in place, then copied once: no text grows piece by piece.
  std::array<char, kHeading.size() + kLongestNumber + kHeadingEnd.size() + kMinusOne.size() +
                       kFactorLineRoom>
      text{};
  char* out = Put(text.data(), kHeading);
  out = Put(WriteSigned(out, number), kHeadingEnd);
  if (number == -1) {
    out = Put(out, " -1^1");
  } else if (number < 0) {
    out = WriteFactorLine(Put(out, kMinusOne), MagnitudeOf(number));
  } else {
    out = WriteFactorLine(out, static_cast<uint32_t>(number));
  }
  return {text.data(), out};
}
