// numbrel: the calculator on the Linux desktop. The program is its one window;
// closing the window ends it.
#include <QApplication>

#include "app/qt/command_line.h"
#include "app/qt/numbers_window.h"
#include "app/qt/window_icon.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerOnTerminal(argc, argv)) return *status;
  QApplication application(argc, argv);
  QApplication::setWindowIcon(WindowIcon());
  // The desktop entry and the AppStream metadata go by this id (Wayland's app id).
  QGuiApplication::setDesktopFileName(QStringLiteral(NUMBREL_APP_ID));
  NumbersWindow window;
  window.exec();
  return 0;
}
