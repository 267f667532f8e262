# Sourced by the wine-*.sh scripts: the settings every Wine run of the tests
# shares. NUMBREL_WINEARCH=win64 runs the 64-bit programs under wine64 in a
# 64-bit prefix, which needs no 32-bit x86 code; win32 (the default) the
# 32-bit ones. The prefix is the tests' own (NUMBREL_WINEPREFIX, by default
# under build/windows or build/windows64), never the one WINEPREFIX may name
# in the caller's shell. Calls to wine here go to the loader of that arch,
# and to wineserver to Wine's server, as scripts/wine-loaders.sh finds them.
numbrel_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$numbrel_repo/scripts/wine-loaders.sh"
case "${NUMBREL_WINEARCH:-win32}" in
  win32) export WINEARCH=win32; numbrel_wine=$numbrel_wine32; numbrel_build=windows ;;
  win64) export WINEARCH=win64; numbrel_wine=$numbrel_wine64; numbrel_build=windows64 ;;
  *) echo "NUMBREL_WINEARCH is win32 or win64, not '$NUMBREL_WINEARCH'" >&2; exit 2 ;;
esac
export WINEPREFIX=${NUMBREL_WINEPREFIX:-$numbrel_repo/build/$numbrel_build/wine-prefix}
wine() { command "$numbrel_wine" "$@"; }
wineserver() { command "$numbrel_wineserver" "$@"; }
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
  wine wineboot -i
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
  # A crashing program ends at once instead of waiting in the debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d '' /f >/dev/null
  touch "$numbrel_prefix_mark"
}
