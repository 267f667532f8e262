// Build tool: writes the program's icon as two PNGs, 32 and 16 pixels, for the
// desktop's icon theme.
#include <QImage>
#include <cstdio>

#include "app/qt/window_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: numbrel_icon_png LARGE.png SMALL.png\n");
    return 2;
  }
  const bool written = LargeIconImage().save(QString::fromLocal8Bit(argv[1]), "PNG") &&
                       SmallIconImage().save(QString::fromLocal8Bit(argv[2]), "PNG");
  if (!written) std::fprintf(stderr, "numbrel_icon_png: cannot write the icons\n");
  return written ? 0 : 1;
}
