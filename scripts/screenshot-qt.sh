#!/usr/bin/env bash
# Photographs the desktop window under a virtual X server, for the README: the
# window opened as `numbrel bits 262144` and grown to fill a 1024 x 768 screen,
# as a maximized window would, with 2 to the power 262,144 in its result field.
#   scripts/screenshot-qt.sh [OUT.png]     (default docs/numbrel-qt.png)
# Needs the default preset built, and xvfb, xdotool and imagemagick (make deps).
# There is no window manager on the virtual server, so the picture has no caption.
set -euo pipefail

# Second half, run by the first inside the virtual server: start the window,
# wait for it, make it as large as the screen and photograph the screen.
if [ "${1:-}" = "--inside" ]; then
  program=$2 out=$3
  QT_QPA_PLATFORM=xcb "$program" bits 262144 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --name "^Ezo's Numbrel V1.1\$" | head -n 1)
  xdotool windowmove --sync "$window" 0 0
  xdotool windowsize --sync "$window" 1024 768
  sleep 1
  /usr/bin/import -window root "$out"
  exit 0
fi

cd "$(dirname "$0")/.."
out=${1:-docs/numbrel-qt.png}
program=build/default/app/qt/numbrel
if [ ! -x "$program" ]; then
  echo "screenshot-qt: $program is missing; build the default preset first" >&2
  exit 1
fi
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$program" "$out"
echo "screenshot-qt: wrote $out"
