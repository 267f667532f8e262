// The windows of the form's labels. Labels have no control id of their own,
// so each is found by its text among the dialog's static controls.
#pragma once

#include "app/win32/framework/windows_api.h"
#include "form/form_layout.h"

// The static control showing label's text, or nullptr.
HWND LabelWindow(HWND dialog, const LabelPlace& label);
