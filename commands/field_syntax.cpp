#include "commands/field_syntax.h"

#include <algorithm>
#include <limits>

#include "ops/binary.h"

namespace {

// As many binary digits as the conversion's value holds.
constexpr std::size_t kMostBinaryDigits =
    std::numeric_limits<decltype(ConvertBinaryText({}))>::digits;
static_assert(kMostBinaryDigits == 32, "the binary field's complaint names 32");

bool AllWithin(std::string_view text, char low, char high) {
  return std::all_of(text.begin(), text.end(), [=](char c) { return c >= low && c <= high; });
}

}  // namespace

std::string_view FieldSyntaxError(const CommandField& field, std::string_view text) {
  if (!field.numbers) {
    // The one field that is not a number: the Binary field.
    if (!text.empty() && text.size() <= kMostBinaryDigits && AllWithin(text, '0', '1')) return {};
    return "is not 1 to 32 binary digits";
  }
  if (text.starts_with('-')) text.remove_prefix(1);
  if (!text.empty() && AllWithin(text, '0', '9')) return {};
  return "is not a whole number";
}
