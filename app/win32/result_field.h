// The result field shows a long text at once. Wine's edit control lays out a
// line too long for its width in time that grows faster than the square of
// its length (minutes for the longest result) and draws some characters at
// the right end cut off; given lines that already fit, it takes a fraction
// of a second. So the field lays out its text itself, in its own font and at
// its width, and gives the control the broken text, again whenever its font
// or size changes (a new DPI). To everyone who reads the field the text stays
// exact: its text and length, the selection, line starts and lengths, and
// what is copied, whole or in part, count no soft break.
#pragma once

#include "app/win32/framework/windows_api.h"

// Lays out every text given to field from now until it goes.
void LayOutLongTexts(HWND field);

// With some fonts (bold ones, URW Bookman at 22 pixels) Wine's control
// measures a line a few pixels wider than the text extent does and breaks it
// once more, leaving a character or two on a line of their own: then the
// field lays its lines out a little narrower than its width, by this much at
// most.
constexpr LONG MostNarrowing(LONG width) { return width / 8; }
