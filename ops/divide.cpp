#include "ops/divide.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <optional>
#include <utility>

#include "ops/number_text.h"

// Long division repeats as soon as a remainder recurs. The remainder after k
// fractional digits is r * 10^k mod d, where r = dividend mod d; dividing out
// g = gcd(r, d) leaves 10^k mod d' with d' = d / g. Write d' = 2^a 5^b m with m
// coprime to 10: then 10^i = 10^j (mod d') for i < j exactly when i >= max(a, b)
// and j - i is a multiple of the order of 10 modulo m. So the first repeat
// comes at step s + t back to step s, where s = max(a, b) and t is that order,
// and both can be found without walking the steps one by one.

namespace {

// x / d and x % d for one divisor d >= 1 and many x below d * 2^32. Where the
// compiler has 128-bit products, a precomputed reciprocal replaces the slow
// 64-bit divide: with R = floor((2^64 - 1) / d), x * R / 2^64 lies in
// (x / d - 1, x / d] for such x, so its floor is the quotient or one less.
class Divider {
 public:
  explicit Divider(uint32_t divisor) : divisor_(divisor) {}

  std::pair<uint64_t, uint32_t> DivMod(uint64_t x) const {
#ifdef __SIZEOF_INT128__
    __extension__ using Wide = unsigned __int128;
    auto quotient = static_cast<uint64_t>((Wide{x} * reciprocal_) >> 64);
    uint64_t remainder = x - quotient * divisor_;
    if (remainder >= divisor_) {
      ++quotient;
      remainder -= divisor_;
    }
    return {quotient, static_cast<uint32_t>(remainder)};
#else
    return {x / divisor_, static_cast<uint32_t>(x % divisor_)};
#endif
  }

  uint32_t Mod(uint64_t x) const { return DivMod(x).second; }

 private:
  uint32_t divisor_;
#ifdef __SIZEOF_INT128__
  uint64_t reciprocal_ = UINT64_MAX / divisor_;
#endif
};

constexpr std::array<uint32_t, 10> kPowersOfTen{
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000};

// "00" to "99", two characters each.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t n = 0; n < 100; ++n) {
    pairs[2 * n] = static_cast<char>('0' + n / 10);
    pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
  }
  return pairs;
}();

void WriteFourDigits(char* out, uint32_t value) {
  std::memcpy(out, &kDigitPairs[2 * std::size_t{value / 100}], 2);
  std::memcpy(out + 2, &kDigitPairs[2 * std::size_t{value % 100}], 2);
}

// value below 10^9, with leading zeros.
void WriteNineDigits(char* out, uint32_t value) {
  out[0] = static_cast<char>('0' + value / 100'000'000);
  const uint32_t rest = value % 100'000'000;
  WriteFourDigits(out + 1, rest / 10'000);
  WriteFourDigits(out + 5, rest % 10'000);
}

// value below 10^count, with leading zeros.
void WriteDigits(char* out, uint32_t value, std::size_t count) {
  for (std::size_t k = count; k > 0; --k) {
    out[k - 1] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

// Appends the next count digits of the long division by the divider's divisor,
// starting from remainder, which it leaves at the remainder after them. Nine
// digits at a time: remainder * 10^9 stays below divisor * 2^32.
void AppendQuotientDigits(std::string& text, uint32_t& remainder, const Divider& divider,
                          std::size_t count) {
  const std::size_t start = text.size();
  text.resize(start + count);
  char* out = text.data() + start;
  for (; count >= 9; count -= 9, out += 9) {
    const auto [chunk, next] = divider.DivMod(uint64_t{remainder} * kPowersOfTen[9]);
    WriteNineDigits(out, static_cast<uint32_t>(chunk));
    remainder = next;
  }
  if (count > 0) {
    const auto [chunk, next] = divider.DivMod(uint64_t{remainder} * kPowersOfTen[count]);
    WriteDigits(out, static_cast<uint32_t>(chunk), count);
    remainder = next;
  }
}

// The order of 10 modulo m (m coprime to 10), if it is at most limit: the
// smallest t >= 1 with 10^t = 1 (mod m). Baby steps 10^j for j below kBaby,
// giant steps 10^(kBaby k): the first k whose power equals some 10^j gives
// t = kBaby k - j, since 10^0 .. 10^(kBaby - 1) differ when t >= kBaby.
std::optional<uint32_t> FindOrderOfTen(uint32_t m, uint32_t limit) {
  constexpr uint32_t kBaby = 100;
  if (m == 1) return 1u <= limit ? std::optional<uint32_t>(1) : std::nullopt;
  const Divider modulo(m);
  std::array<std::pair<uint32_t, uint32_t>, kBaby> babies;  // (10^j mod m, j)
  uint32_t power = 1;
  for (uint32_t j = 0; j < kBaby; ++j) {
    if (j > 0 && power == 1) return j <= limit ? std::optional<uint32_t>(j) : std::nullopt;
    babies[j] = {power, j};
    power = modulo.Mod(uint64_t{power} * 10);
  }
  std::sort(babies.begin(), babies.end());
  const uint32_t giant = power;
  uint32_t giantPower = giant;
  for (uint32_t k = 1; kBaby * (k - 1) + 1 <= limit; ++k) {
    const auto match = std::lower_bound(babies.begin(), babies.end(),
                                        std::pair<uint32_t, uint32_t>{giantPower, 0});
    if (match != babies.end() && match->first == giantPower) {
      const uint32_t order = kBaby * k - match->second;
      return order <= limit ? std::optional<uint32_t>(order) : std::nullopt;
    }
    giantPower = modulo.Mod(uint64_t{giantPower} * giant);
  }
  return std::nullopt;
}

}  // namespace

std::string DivideWithRepeat(uint32_t dividend, uint32_t divisor) {
  if (divisor == 0) return std::string(kDivideByZeroText);
  uint32_t remainder = dividend % divisor;

  // d' = d / gcd(r, d), then stripped of its 2s and 5s, leaving m.
  uint32_t modulus = divisor / std::gcd(remainder, divisor);
  uint32_t twos = 0;
  uint32_t fives = 0;
  for (; modulus % 2 == 0; modulus /= 2) ++twos;
  for (; modulus % 5 == 0; modulus /= 5) ++fives;
  const uint32_t before = std::max(twos, fives);
  // The last step that can still find the repeat is kDivisionSteps - 1.
  const std::optional<uint32_t> period =
      FindOrderOfTen(modulus, static_cast<uint32_t>(kDivisionSteps - 1) - before);

  std::string text;
  text.reserve(11 + kDivisionSteps + kRepeatMarker.size() + kRepeatSuffix.size());
  AppendUnsigned(text, dividend / divisor);
  text += '.';
  const Divider divider(divisor);
  if (!period) {
    AppendQuotientDigits(text, remainder, divider, kDivisionSteps);
    return text;
  }
  AppendQuotientDigits(text, remainder, divider, before);
  text += kRepeatMarker;
  AppendQuotientDigits(text, remainder, divider, *period);
  text += kRepeatSuffix;
  return text;
}
