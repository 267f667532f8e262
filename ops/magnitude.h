// The magnitude of a signed 32-bit number, which every operation on signed
// input works on: unsigned, so that -2,147,483,648 has one too.
#pragma once

#include <cstdint>

constexpr uint32_t MagnitudeOf(int32_t number) {
  return number < 0 ? 0u - static_cast<uint32_t>(number) : static_cast<uint32_t>(number);
}
