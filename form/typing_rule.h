// What typing may put into a field, the same in every shell: only the
// characters the layout names for it, a "-" only as the text's first
// character, and no more characters than its count. A shell adds only the
// test that needs its own font: whether the text still fits the field.
#pragma once

#include <string_view>

#include "form/form_layout.h"

// Whether typing `typed` over the selection is allowed, where `before` and
// `after` are what the field keeps on either side of it. Texts are
// Windows-1252, one byte a character.
bool AcceptsTyped(const ControlPlace& place, std::string_view before, std::string_view typed,
                  std::string_view after);
