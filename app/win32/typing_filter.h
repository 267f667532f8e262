// What typing may put into a field, by the form's typing rule
// (form/typing_rule.h): only its characters, a "-" only first, and no more
// than its count. Editing keys pass, and a paste goes in as it is: the form
// reads whatever a field holds by its own rule. The count is kept here rather
// than by the edit control's limit, which would cut a paste short as well.
#pragma once

#include "app/win32/framework/windows_api.h"
#include "form/form_layout.h"

// Filters what is typed into field from now until it goes. place stays.
void FilterTyping(HWND field, const ControlPlace& place);
