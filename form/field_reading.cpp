#include "form/field_reading.h"

uint32_t ReadFieldNumber(std::string_view text, Reading reading) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;

  bool negative = false;
  if (reading == Reading::Signed && at < text.size() && text[at] == '-') {
    negative = true;
    ++at;
  }

  const uint64_t limit = reading == Reading::Signed ? 2147483647u : 4294967295u;
  uint64_t value = 0;
  bool anyDigit = false;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    anyDigit = true;
    value = value * 10 + static_cast<uint64_t>(text[at] - '0');
    // Past the limit the answer is 0 whatever follows; stopping here also keeps
    // a pasted run of a million digits from costing more than eleven.
    if (value > limit) return 0;
  }
  if (!anyDigit) return 0;

  const auto magnitude = static_cast<uint32_t>(value);
  return negative ? 0u - magnitude : magnitude;
}
