// The desktop program's own command line, judged on the terminal before any
// window or display is needed: --help and --version answered, an unknown
// option or a wrong command call refused, and a missing display named.
#pragma once

#include <optional>
#include <variant>

#include "commands/command_call.h"

// The window to open: Qt's share of the command line and the command to press
// once it shows, if one was called (`numbrel divide 1 97`).
struct WindowLaunch {
  int qtArgc;  // argv's leading entries that are the program's name and Qt's options
  std::optional<CommandCall> call;
};

// The exit status when the program is to end without a window: 0 after --help
// or --version, 2 for an unknown option or a wrong command call, 1 when there
// is no display to open the window on. Otherwise the window to open. Qt's own
// options (-platform, -style, ...) go before the command and are left to
// QApplication.
std::variant<int, WindowLaunch> ReadCommandLine(int argc, char** argv);
