#include "form/field_reading.h"

uint32_t ReadFieldNumber(std::string_view text, Reading reading) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;

  bool negative = false;
  if (reading == Reading::Signed && at < text.size() && text[at] == '-') {
    negative = true;
    ++at;
  }

  const auto limit = static_cast<uint64_t>(RangeOf(reading).highest);
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

int64_t ReadFieldValue(std::string_view text, Reading reading) {
  const uint32_t pattern = ReadFieldNumber(text, reading);
  if (reading == Reading::Signed) return static_cast<int32_t>(pattern);
  return pattern;
}

std::string_view TypedNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  std::size_t end = start;
  if (end < text.size() && text[end] == '-') ++end;
  const std::size_t firstDigit = end;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  return end == firstDigit ? std::string_view() : text.substr(start, end - start);
}

bool IsOutOfRange(std::string_view text, Reading reading) {
  std::string_view digits = TypedNumber(text);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  if (digits.empty()) return false;  // 0 and -0 are in every range
  // No reading holds more than ten digits, so a pasted run of any length costs
  // one look; ten or fewer are read whole and held to the range.
  if (digits.size() > 10) return true;
  uint64_t magnitude = 0;
  for (const char digit : digits) magnitude = magnitude * 10 + static_cast<uint64_t>(digit - '0');
  const NumberRange range = RangeOf(reading);
  return negative ? magnitude > static_cast<uint64_t>(-range.lowest)
                  : magnitude > static_cast<uint64_t>(range.highest);
}
