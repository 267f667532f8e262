// The desktop program's own command line, judged on the terminal before any
// window or display is needed: --help and --version answered, an unknown
// option refused, and a missing display named.
#pragma once

#include <optional>

// Returns the exit status when the program is to end without a window: 0 after
// --help or --version, 2 for an unknown option, 1 when there is no display to
// open the window on. Nothing when the window is to open. Qt's own options
// (-platform, -style, ...) are left to QApplication.
std::optional<int> AnswerOnTerminal(int argc, char** argv);
