// numbrel: the calculator on the Linux desktop. The program is its one window;
// closing the window ends it.
#include <QApplication>
#include <QTimer>
#include <exception>
#include <iostream>

#include "app/qt/command_line.h"
#include "app/qt/numbers_window.h"
#include "app/qt/window_icon.h"

namespace {

int Run(int argc, char** argv) {
  const std::variant<int, WindowLaunch> read = ReadCommandLine(argc, argv);
  if (const int* status = std::get_if<int>(&read)) return *status;
  const auto& launch = std::get<WindowLaunch>(read);
  // Qt sees its own options only: the command's field texts are not for it.
  int qtArgc = launch.qtArgc;
  QApplication application(qtArgc, argv);
  QApplication::setWindowIcon(WindowIcon());
  // The desktop entry and the AppStream metadata go by this id (Wayland's app id).
  QGuiApplication::setDesktopFileName(QStringLiteral(NUMBREL_APP_ID));
  NumbersWindow window;
  if (launch.call) {
    // Pressed once the window shows, so that a message box has its window.
    QTimer::singleShot(0, &window, [&] { window.Press(*launch.call); });
  }
  window.exec();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    // Out of memory, in practice: said plainly rather than by an abort.
    std::cerr << "numbrel: " << error.what() << "\n";
    return 1;
  }
}
