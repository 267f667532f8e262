// What the differential tests share. The literal references take milliseconds
// per call: the tests give them every case in an optimized build and every
// tenth case under the sanitizers, which run unoptimized and several times
// slower. Random cases come from a fixed stream, the same on every run.
#pragma once

#include <cstdint>
#include <random>

namespace reference {

#ifdef NDEBUG
inline constexpr uint32_t kCaseStride = 1;
#else
inline constexpr uint32_t kCaseStride = 10;
#endif

struct NumberStream : std::mt19937 {
  explicit NumberStream(uint32_t start) : std::mt19937(start) {}
  uint32_t Next() { return static_cast<uint32_t>((*this)()); }
  // Uniform over 0 to 2,147,483,647, what a number field can hold.
  uint32_t Next31() { return Next() >> 1; }
  // Uniform over 0 to bound - 1; bound at least 1.
  uint32_t Below(uint32_t bound) { return Next() % bound; }
};

}  // namespace reference
