#!/usr/bin/env bash
# Packs a build folder's Debian package into OUT_DIR with CPack, with Debian's
# umask: CPack gives the package's folders and its ar members the modes the
# umask of the one who runs it leaves.
#   scripts/pack-deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
umask 022
exec cpack --config "$1/CPackConfig.cmake" -B "$2"
