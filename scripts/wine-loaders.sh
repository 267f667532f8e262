# Sourced by windows-arch.sh, wine-env.sh and the screenshot: where Wine's
# programs are. NUMBREL_WINE_LOADERS names another folder holding the same
# three (the scripts' tests put stand-ins there); by default Debian's.
numbrel_loaders=${NUMBREL_WINE_LOADERS:-/usr/lib/wine}
# The 32-bit loader: it fails with "Exec format error" where this machine
# runs no 32-bit x86 code.
numbrel_wine32=$numbrel_loaders/wine
numbrel_wine64=$numbrel_loaders/wine64
numbrel_wineserver=$numbrel_loaders/wineserver
