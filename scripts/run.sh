#!/usr/bin/env bash
# Opens the calculator built by the default preset: the desktop window, which
# says itself when there is no display; numbrel-cli's help where the window
# was not built.
set -euo pipefail
cd "$(dirname "$0")/.."
window=build/default/app/qt/numbrel
cli=build/default/app/cli/numbrel-cli

if [ ! -x "$window" ]; then
  echo "The desktop program was not built (NUMBREL_QT is off); the terminal version:"
  echo
  exec "$cli" --help
fi
exec "$window"
