#include "app/qt/window_icon.h"

#include <QPixmap>

#include "res/numbrel-16.xpm"
#include "res/numbrel-32.xpm"

QImage LargeIconImage() { return QImage(numbrel_32); }
QImage SmallIconImage() { return QImage(numbrel_16); }

QIcon WindowIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(LargeIconImage()));
  icon.addPixmap(QPixmap::fromImage(SmallIconImage()));
  return icon;
}
