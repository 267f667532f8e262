// Where the page's result field breaks its text into display lines: by the
// form's one rule (form/line_breaks.h), over the character advances the page
// measures in the field's own font.
#pragma once

#include <emscripten/val.h>

#include <string>

// text: the field's text as the page holds it, lines ended by "\n".
// measure(chars): for a string of distinct characters, an array of their
// advances in CSS pixels, in the same order. A line fits in width pixels; a
// tab advances to the next multiple of tabWidth.
// Returns, ascending, where each display line but the first starts (in UTF-16
// units, as the page indexes the text): after a "\n", or where a line too wide
// for the field breaks.
emscripten::val PageLineStarts(const std::u16string& text, const emscripten::val& measure,
                               double width, double tabWidth);
