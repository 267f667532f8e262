#include "form/typing_rule.h"

#include <algorithm>
#include <cstddef>

bool AcceptsTyped(const ControlPlace& place, std::string_view before, std::string_view typed,
                  std::string_view after) {
  if (place.typedCharacters == nullptr) return false;
  const std::string_view typeable(place.typedCharacters);
  const bool typeableOnly = std::all_of(typed.begin(), typed.end(), [&](char c) {
    return typeable.find(c) != std::string_view::npos;
  });
  if (!typeableOnly) return false;
  // The form's reading takes a sign only before the digits, so a "-" typed
  // anywhere else, or anything typed in front of one, would make the text
  // read as another number than it shows.
  const std::size_t lastMinus = typed.rfind('-');
  if (lastMinus != std::string_view::npos && (lastMinus != 0 || !before.empty())) return false;
  if (!typed.empty() && before.empty() && after.starts_with('-')) return false;
  const std::size_t length = before.size() + typed.size() + after.size();
  return place.maxTyped <= 0 || length <= static_cast<std::size_t>(place.maxTyped);
}
