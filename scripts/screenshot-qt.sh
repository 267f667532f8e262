#!/usr/bin/env bash
# Photographs the desktop window under a virtual X server, for the README.
#   scripts/screenshot-qt.sh [OUT.png]     (default docs/numbrel-qt.png)
# Needs the default preset built, and xvfb, xdotool and imagemagick (make deps).
# There is no window manager on the virtual server, so the picture has no caption.
set -euo pipefail

# Second half, run by the first inside the virtual server: start the window,
# wait for it, type two examples as a person would (a binary number, then 22
# divided by 7 with Enter on the Divide button), photograph the screen and crop
# it to the window.
if [ "${1:-}" = "--inside" ]; then
  program=$2 out=$3
  QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --name "^Ezo's Numbrel V1.1\$" | head -n 1)
  sleep 0.5
  xdotool type --window "$window" --delay 20 "101010"
  xdotool key --window "$window" --delay 20 Tab Tab
  xdotool type --window "$window" --delay 20 "22"
  xdotool key --window "$window" Tab
  xdotool type --window "$window" --delay 20 "7"
  xdotool key --window "$window" --delay 20 Tab Return
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  shot=$(mktemp --suffix=.png)
  /usr/bin/import -window root "$shot"
  /usr/bin/convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
  rm -f "$shot"
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
xvfb-run -a -s "-screen 0 640x480x24" bash "$0" --inside "$program" "$out"
echo "screenshot-qt: wrote $out"
