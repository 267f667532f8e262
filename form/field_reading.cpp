#include "form/field_reading.h"

std::optional<int64_t> ReadFieldValue(std::string_view text, Reading reading) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (negative) ++at;

  const NumberRange range = RangeOf(reading);
  const auto limit = static_cast<uint64_t>(negative ? -range.lowest : range.highest);
  uint64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(text[at] - '0');
    // Past the limit the number is out of range whatever follows; stopping
    // here also keeps a pasted run of a million digits from costing more than eleven.
    if (magnitude > limit) return std::nullopt;
  }
  const auto value = static_cast<int64_t>(magnitude);
  return negative ? -value : value;
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
