#include "ops/decimal_power.h"

#include <cstddef>

namespace {

using Limb = uint32_t;
// A coefficient of a square in base 10^9 whose carries are not yet settled: it
// may be negative or pass the base, and the square is the sum of coefficient i
// times 10^(9 i).
using Coefficient = int64_t;

constexpr uint64_t kBase = kLimbBase;

// Below this many limbs a schoolbook square is cheaper than another split.
constexpr std::size_t kKaratsubaThreshold = 36;

// A product of two limbs is below 10^18, so 18 of them add up below 2^64
// (about 1.8 · 10^19); the 19th could overflow. The largest column of an
// n-limb square holds n / 2 pairs, so the schoolbook square sums each column in
// one 64-bit word and takes at most 37 limbs.
static_assert((kKaratsubaThreshold - 1) / 2 <= 18);

// r[0, 2n) = the coefficients of a[0, n)², each pair i < j multiplied once and
// counted twice. Each column is split at the base right away and its upper
// part handed on to the next coefficient unsettled, so no column waits for the
// carry of the one before. Every coefficient stays below 4.1 · 10^10.
void SquareSchoolbook(const Limb* a, std::size_t n, Coefficient* r) {
  uint64_t handedOn = 0;
  for (std::size_t k = 0; k + 1 < 2 * n; ++k) {
    const std::size_t firstPair = k < n ? 0 : k - (n - 1);
    const std::size_t endPair = (k + 1) / 2;
    uint64_t pairs = 0;
    for (std::size_t i = firstPair; i < endPair; ++i) pairs += uint64_t{a[i]} * a[k - i];
    const uint64_t diagonal = k % 2 == 0 ? uint64_t{a[k / 2]} * a[k / 2] : 0;
    r[k] = static_cast<Coefficient>(2 * (pairs % kBase) + diagonal % kBase + handedOn);
    handedOn = 2 * (pairs / kBase) + diagonal / kBase;
  }
  r[2 * n - 1] = static_cast<Coefficient>(handedOn);
}

// d[0, na) = |a[0, na) − b[0, nb)| for nb ≤ na, with its carries settled.
void SubtractSmallerFromLarger(const Limb* a, std::size_t na, const Limb* b, std::size_t nb,
                               Limb* d) {
  bool aIsLarger = true;
  for (std::size_t i = na; i-- > 0;) {
    const Limb bi = i < nb ? b[i] : 0;
    if (a[i] != bi) {
      aIsLarger = a[i] > bi;
      break;
    }
  }
  const Limb* larger = aIsLarger ? a : b;
  const Limb* smaller = aIsLarger ? b : a;
  const std::size_t largerSize = aIsLarger ? na : nb;
  const std::size_t smallerSize = aIsLarger ? nb : na;
  Limb borrow = 0;
  for (std::size_t i = 0; i < na; ++i) {
    const Limb minuend = i < largerSize ? larger[i] : 0;
    const Limb subtrahend = (i < smallerSize ? smaller[i] : 0) + borrow;
    // Borrows are random: arithmetic rather than a branch.
    borrow = minuend < subtrahend ? 1 : 0;
    d[i] = minuend + borrow * kLimbBase - subtrahend;
  }
}

struct ScratchSizes {
  std::size_t coefficients = 0;
  std::size_t limbs = 0;
};

ScratchSizes ScratchFor(std::size_t n) {
  if (n < kKaratsubaThreshold) return {};
  const std::size_t high = n - n / 2;
  const ScratchSizes inner = ScratchFor(high);
  return {2 * high + inner.coefficients, high + inner.limbs};
}

// r[0, 2n) = the coefficients of a[0, n)², by the subtractive Karatsuba split
// a = a0 + a1 · B^low: 2 · a0 · a1 = a0² + a1² − (a1 − a0)². The difference is
// settled before it is squared, so every schoolbook square sees limbs below the
// base; the coefficients are combined unsettled, which takes no carry pass. Each
// level at most quadruples the largest coefficient, and doubling while settling
// doubles it once more: 2 · 4^13 · 4.1 · 10^10 is still below 2^63, so thirteen
// levels, squares of up to 290,000 limbs, are safe.
void SquareKaratsuba(const Limb* a, std::size_t n, Coefficient* r, Coefficient* scratch,
                     Limb* limbScratch) {
  if (n < kKaratsubaThreshold) {
    SquareSchoolbook(a, n, r);
    return;
  }
  const std::size_t low = n / 2;
  const std::size_t high = n - low;
  SquareKaratsuba(a, low, r, scratch, limbScratch);
  SquareKaratsuba(a + low, high, r + 2 * low, scratch, limbScratch);

  Limb* difference = limbScratch;
  Coefficient* middle = scratch;
  SubtractSmallerFromLarger(a + low, high, a, low, difference);
  SquareKaratsuba(difference, high, middle, scratch + 2 * high, limbScratch + high);

  // middle = a0² + a1² − (a1 − a0)², read before r is changed.
  const Coefficient* lowSquare = r;
  const Coefficient* highSquare = r + 2 * low;
  for (std::size_t i = 0; i < 2 * low; ++i) middle[i] = lowSquare[i] + highSquare[i] - middle[i];
  for (std::size_t i = 2 * low; i < 2 * high; ++i) middle[i] = highSquare[i] - middle[i];
  Coefficient* target = r + low;
  for (std::size_t i = 0; i < 2 * high; ++i) target[i] += middle[i];
}

// Limbs of the value the coefficients stand for, times factor (1 or 2), most
// significant zeros dropped.
void SettleCarries(const std::vector<Coefficient>& coefficients, Coefficient factor,
                   std::vector<Limb>& limbs) {
  limbs.resize(coefficients.size() + 1);
  Coefficient carry = 0;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    const Coefficient v = factor * coefficients[i] + carry;
    // Floor division: a coefficient may be negative.
    carry = v / Coefficient{kLimbBase};
    Coefficient digit = v - carry * Coefficient{kLimbBase};
    if (digit < 0) {
      digit += kLimbBase;
      --carry;
    }
    limbs[i] = static_cast<Limb>(digit);
  }
  limbs.back() = static_cast<Limb>(carry);
  while (limbs.size() > 1 && limbs.back() == 0) limbs.pop_back();
}

// Squares with working storage kept from one square to the next.
class Squarer {
 public:
  // x = factor · x².
  void Square(std::vector<Limb>& x, Coefficient factor) {
    const ScratchSizes sizes = ScratchFor(x.size());
    if (scratch_.size() < sizes.coefficients) scratch_.resize(sizes.coefficients);
    if (limbScratch_.size() < sizes.limbs) limbScratch_.resize(sizes.limbs);
    square_.resize(2 * x.size());
    SquareKaratsuba(x.data(), x.size(), square_.data(), scratch_.data(), limbScratch_.data());
    SettleCarries(square_, factor, x);
  }

 private:
  std::vector<Coefficient> square_;
  std::vector<Coefficient> scratch_;
  std::vector<Limb> limbScratch_;
};

}  // namespace

std::vector<uint32_t> RaiseTwoInBillions(uint32_t n) {
  // Left to right over the bits of n: square, and double on the way where the
  // bit is 1. The leading bits make a power below 2^30, which one limb holds.
  int bitsLeft = 0;
  while ((n >> bitsLeft) >= 30) ++bitsLeft;
  std::vector<Limb> power{Limb{1} << (n >> bitsLeft)};
  if (bitsLeft == 0) return power;

  // 2^n has fewer than n / 29 + 2 limbs: 2^29 is below 10^9.
  power.reserve(n / 29 + 3);
  Squarer squarer;
  while (bitsLeft-- > 0) squarer.Square(power, ((n >> bitsLeft) & 1) != 0 ? 2 : 1);
  return power;
}
