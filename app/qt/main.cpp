// numbrel: the calculator on the Linux desktop. The program is its one window;
// closing the window ends it.
#include <QApplication>

#include "app/qt/numbers_window.h"
#include "app/qt/window_icon.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(WindowIcon());
  NumbersWindow window;
  window.exec();
  return 0;
}
