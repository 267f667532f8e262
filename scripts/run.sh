#!/usr/bin/env bash
# Opens the calculator built by the default preset: the desktop window where
# there is a display, otherwise numbrel-cli's help, with a word on why.
set -euo pipefail
cd "$(dirname "$0")/.."
window=build/default/app/qt/numbrel
cli=build/default/app/cli/numbrel-cli

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."
  echo "The same calculator works on this terminal as $cli:"
  echo
  exec "$cli" --help
fi
if [ ! -x "$window" ]; then
  echo "The desktop program was not built (NUMBREL_QT is off); the terminal version:"
  echo
  exec "$cli" --help
fi
exec "$window"
