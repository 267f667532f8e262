#!/usr/bin/env bash
# Runs one Windows program under Wine in the tests' prefix, headless, and
# gives its exit status (a 64-bit one with NUMBREL_WINEARCH=win64). Makes the
# prefix first when it is missing. CMake uses this as the emulator of every
# cross-built program it runs.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ ! -e "$numbrel_prefix_mark" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Tests running side by side make it once.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  [ -e "$numbrel_prefix_mark" ] || numbrel_make_prefix >&2
  flock -u 9
fi
exec "$numbrel_wine" "$@"
