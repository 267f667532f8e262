# ImageMagick's own convert, which the shells draw their icons with: not the
# convert that may come first in PATH, which on some machines is another tool.
find_program(NUMBREL_IMAGEMAGICK_CONVERT convert PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
