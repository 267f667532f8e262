// The program's icon, 32 and 16 pixels, from the XPM pictures in res/.
#pragma once

#include <QIcon>
#include <QImage>

QImage LargeIconImage();
QImage SmallIconImage();
QIcon WindowIcon();
