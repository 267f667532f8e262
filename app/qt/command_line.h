// The desktop program's own options, --help and --version: answered on the
// terminal before any window or display is needed.
#pragma once

#include <optional>

// Returns the exit status when the arguments asked for an answer on the
// terminal, nothing when the window is to open. Leaves Qt's own options
// (-platform, -style, ...) to QApplication.
std::optional<int> AnswerOnTerminal(int argc, char** argv);
