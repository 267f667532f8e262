#!/usr/bin/env bash
# Draws docs/numbrel-windows.png: the Windows program under Wine, in a virtual
# desktop on a virtual X screen, with 101010 in Binary and 22 divided by 7
# typed in through xdotool.
#   scripts/screenshot-windows.sh [OUT.png]
# Builds the program first: the 32-bit one (windows preset) where this
# machine runs 32-bit x86 code, else the 64-bit one (windows64) under wine64,
# as scripts/windows-arch.sh finds. Uses a Wine prefix of its own, made
# afresh and removed afterwards, with real fonts and a face for "Bookman Old
# Style".
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/numbrel-windows.png}

case "$(bash scripts/windows-arch.sh)" in
  i686*) export NUMBREL_WINEARCH=win32 ;;
  *) export NUMBREL_WINEARCH=win64 ;;
esac
work=$(mktemp -d)
# The tests' Wine settings, in a prefix of the picture's own: unlike the
# tests', it draws, with real fonts, on the virtual screen below.
export NUMBREL_WINEPREFIX=$work/prefix
source scripts/wine-env.sh
cmake --preset "$numbrel_build" >/dev/null
cmake --build --preset "$numbrel_build" --target EzosNumbrel
program=$PWD/build/$numbrel_build/app/win32/EzosNumbrel.exe

cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# ImageMagick's own tools, not what may come first in PATH.
import=/usr/bin/import
convert=/usr/bin/convert

# Everything with an X display runs inside one virtual screen.
cat >"$work/shoot.sh" <<SHOOT
set -euo pipefail
$numbrel_wine wineboot -i
$numbrel_wine reg add 'HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug' /v Debugger /d '' /f >/dev/null
# Without these the caption buttons show as letters.
cp /usr/share/wine/fonts/*.ttf "\$WINEPREFIX/drive_c/windows/Fonts/"
$numbrel_wine reg add 'HKCU\\Software\\Wine\\Fonts\\Replacements' /v 'Bookman Old Style' /d 'URW Bookman' /f >/dev/null
$numbrel_wine explorer /desktop=Numbrel,640x480 "$program" &
for _ in \$(seq 100); do
  if xdotool search --name 'Numbrel' >/dev/null 2>&1; then break; fi
  sleep 0.2
done
# Time for the dialog to start (3 seconds were too few); then the example typed
# in as a user would, into the desktop that holds the dialog: Binary has the
# focus, Tab goes through the form's order, Enter on the focused Divide
# presses it, and the focus goes back to the end of Binary.
sleep 6
xdotool search --name 'Wine desktop' windowfocus --sync
xdotool type --delay 50 101010
xdotool key Tab Tab; xdotool type --delay 50 22
xdotool key Tab; xdotool type --delay 50 7
xdotool key Tab Return shift+Tab shift+Tab shift+Tab shift+Tab End
sleep 2
"$import" -window root "$work/screen.png"
SHOOT
xvfb-run -a -s "-screen 0 800x600x24" bash "$work/shoot.sh"

# The virtual desktop sits at the screen's top left; keep the dialog only.
mkdir -p "$(dirname "$out")"
"$convert" "$work/screen.png" -crop 640x480+0+0 +repage -trim +repage -strip "$out"
echo "Wrote $out"
