// The one way into <windows.h> for the Windows shell and its tests: strict
// handle types, no min/max macros, no rarely used subsystems, wide-character
// names. The A/W macros whose names the form and the framework use for their
// own members are taken back right after the include, so a member named
// MessageBox stays MessageBox; code here calls the W functions by name.
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
#undef LoadCursor
#undef SendMessage
#undef PostMessage
#undef FindWindow
#undef GetWindowText
#undef SetWindowText
