# Sourced by the wine-*.sh scripts: the settings every Wine run of the tests
# shares. The prefix is the tests' own (NUMBREL_WINEPREFIX, by default under
# build/windows), never the one WINEPREFIX may name in the caller's shell.
numbrel_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${NUMBREL_WINEPREFIX:-$numbrel_repo/build/windows/wine-prefix}
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's ANSI code page follows the locale: C gives Windows-1252.
export LC_ALL=C
# The tests' prefix draws nothing (null graphics driver): no X server is used.
unset DISPLAY WAYLAND_DISPLAY

# Marks a prefix these scripts made, so that only such a one is ever removed.
numbrel_prefix_mark=$WINEPREFIX/.numbrel-test-prefix

numbrel_make_prefix() {
  if [ -e "$WINEPREFIX" ]; then
    if [ ! -e "$numbrel_prefix_mark" ]; then
      echo "wine: $WINEPREFIX exists and was not made by these scripts; not touching it" >&2
      return 1
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
  # A crashing program ends at once instead of waiting in the debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d '' /f >/dev/null
  touch "$numbrel_prefix_mark"
}
