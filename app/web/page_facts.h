// The core's facts the page is built from, as JavaScript objects: the layout
// (font, form size, controls in tab order, labels) and the command table
// (which control's which notification runs a handler, the name a command
// line calls it by, whether one can, and the fields it reads in order).
// Texts are UTF-8.
#pragma once

#include <emscripten/val.h>

emscripten::val PageLayout();
emscripten::val PageCommands();
