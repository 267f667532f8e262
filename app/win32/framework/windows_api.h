// The one way into <windows.h> for the Windows shell and its tests: strict
// handle types, no min/max macros, no rarely used subsystems, wide-character
// names. The A/W macros named like members of the form (MessageBox,
// GetDlgItemText, SetDlgItemText) and of the application object (LoadIcon)
// are taken back right after the include, so that a member keeps its name in
// every file; code here calls the W functions by name.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>

#undef MessageBox
#undef GetDlgItemText
#undef SetDlgItemText
#undef LoadIcon
