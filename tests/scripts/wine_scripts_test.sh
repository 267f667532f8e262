#!/usr/bin/env bash
# The Windows test scripts on both kinds of machine, whichever kind this one
# is, without Wine: stand-ins for Wine's 32-bit loader, wine64 and wineserver
# record how they are called and answer as Wine does; the 32-bit loader with
# its version where the machine runs 32-bit x86 code, with "Exec format error"
# where it does not. For each kind, with and without NUMBREL_WINDOWS_ARCH=x86_64:
# the line scripts/windows-arch.sh prints, which Windows preset registers the
# Wine suites and in which Wine platform, and which loader each wine-*.sh
# script calls, with which WINEARCH and prefix.
#   wine_scripts_test.sh REPOSITORY
set -uo pipefail
repo=$(cd "$1" && pwd)
unset LANG LANGUAGE "${!LC_@}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
# expect WHAT EXPECTED ACTUAL
expect() { [ "$2" = "$3" ] || { fail "$1"; diff -u <(echo "$2") <(echo "$3"); }; }

# The scripts in a checkout of their own, whose default prefixes fall under
# $work/repo/build.
mkdir -p "$work/repo"
cp -r "$repo/scripts" "$work/repo/"

# Every stand-in writes one line for its call: its folder and name, the Wine
# settings it was given (a display, or a locale other than C, only if one
# leaked through) and its arguments, quoted where they hold a space or are
# empty.
export STANDIN_LOG=$work/calls STANDIN_ROOT=$work
cat >"$work/record.sh" <<'EOF'
{
  printf '%s' "${0#"$STANDIN_ROOT"/}${WINEARCH+ WINEARCH=$WINEARCH}"
  printf '%s' "${WINEPREFIX+ WINEPREFIX=${WINEPREFIX#"$STANDIN_ROOT"/repo/}}"
  printf '%s' "${DISPLAY+ DISPLAY=$DISPLAY}${WAYLAND_DISPLAY+ WAYLAND_DISPLAY=$WAYLAND_DISPLAY}"
  locale=${LC_ALL:-${LC_CTYPE:-${LANG:-C}}}
  [ "$locale" = C ] || printf ' locale=%s' "$locale"
  printf ':'
  for a in "$@"; do case $a in *' '* | '') printf " '%s'" "$a" ;; *) printf ' %s' "$a" ;; esac; done
  echo
} >>"$STANDIN_LOG"
EOF
# stand_in PATH BODY
stand_in() {
  mkdir -p "$(dirname "$1")"
  printf '#!/usr/bin/env bash\nsource "$STANDIN_ROOT/record.sh"\n%s\n' "$2" >"$1"
  chmod +x "$1"
}
version='echo "wine-8.0 (Debian 8.0~repack-4)"'
answers='case ${1-} in --version) '$version' ;; wineboot) mkdir -p "$WINEPREFIX" ;; esac'
stand_in "$work/runs-32-bit/wine" "$answers"
stand_in "$work/no-32-bit/wine" \
  'echo "$0: cannot execute binary file: Exec format error" >&2; exit 126'
# Wine found on PATH instead of through the loaders is a fault.
for name in wine wine64 wineserver wineboot; do stand_in "$work/path/$name" 'exit 1'; done
export PATH=$work/path:$PATH
# A function that calls itself stops at once, not when bash runs out of stack.
export FUNCNEST=20

calls() { cat "$STANDIN_LOG" 2>/dev/null; rm -f "$STANDIN_LOG"; }

# check_machine NAME KIND NUMBREL_WINDOWS_ARCH LINE PRESET
# A machine of KIND (runs-32-bit, no-32-bit, or no-32-bit-loader where Wine's
# 32-bit package is not installed): windows-arch.sh prints LINE, and PRESET
# alone registers the Wine suites, whose scripts then call the loader of its
# program's kind.
check_machine() {
  local name=$1 kind=$2 ask=$3 line=$4 preset=$5
  rm -rf "$work/loaders" "$work/repo/build"
  mkdir -p "$work/loaders"
  [ ! -e "$work/$kind/wine" ] || cp "$work/$kind/wine" "$work/loaders/wine"
  stand_in "$work/loaders/wine64" "$answers"
  stand_in "$work/loaders/wineserver" ''
  export NUMBREL_WINE_LOADERS=$work/loaders NUMBREL_WINDOWS_ARCH=$ask

  expect "$name: the line windows-arch.sh prints" "$line" \
    "$(env -u WINEARCH -u WINEPREFIX bash "$work/repo/scripts/windows-arch.sh" 2>&1)"
  local probe="loaders/wine: --version"
  [ -z "$ask" ] && [ -e "$work/loaders/wine" ] || probe=""
  expect "$name: what windows-arch.sh asks of Wine" "$probe" "$(calls)"

  local decided=""
  for p in windows windows64; do
    local platform=win32
    [ $p = windows ] || platform=win64
    local registers=OFF
    [ $p != "$preset" ] || registers=ON
    decided+="$line"$'\n'"$p: Wine suites $registers, in $platform"$'\n'
  done
  local configured
  configured=$(env -u WINEARCH -u WINEPREFIX cmake -DSOURCE_DIR="$repo" \
    -P "$(dirname "$0")/wine_suites_by_preset.cmake" 2>&1)
  expect "$name: what configuring each Windows preset decides" "${decided%$'\n'}" "$configured"
  calls >/dev/null

  # The scripts as the suites' tests run them: with the Wine platform of the
  # preset that registers them, and here a display, a prefix and a locale of
  # the caller's own, none of which Wine may see.
  local arch
  arch=$(sed -n 's/^[a-z0-9]*: Wine suites ON, in //p' <<<"$configured")
  local loader=wine64
  [ "$arch" != win32 ] || loader=wine
  local scripts=$work/repo/scripts
  (
    export NUMBREL_WINEARCH=$arch DISPLAY=:7 WAYLAND_DISPLAY=wayland-7 WINEPREFIX=$work/users-own \
      LANG=C.UTF-8
    bash "$scripts/wine-run.sh" Z:/tests.exe --gtest_brief=1 || echo "wine-run.sh failed: $?"
    bash "$scripts/wine-prefix.sh" || echo "wine-prefix.sh failed: $?"
    bash "$scripts/wine-bookman.sh" 144 Z:/tests.exe '--gtest_filter=*Dpi*' ||
      echo "wine-bookman.sh failed: $?"
    bash "$scripts/wine-stop.sh" || echo "wine-stop.sh failed: $?"
    NUMBREL_WINEPREFIX=$work/none bash "$scripts/wine-stop.sh" || echo "wine-stop.sh failed: $?"
  ) >"$work/out" 2>&1
  expect "$name: what the scripts print" "" "$(cat "$work/out")"
  local w="loaders/$loader WINEARCH=$arch WINEPREFIX=build/$preset/wine-prefix:"
  local s="loaders/wineserver WINEARCH=$arch WINEPREFIX=build/$preset/wine-prefix:"
  local made="$w wineboot -i
$w reg add HKCU\\Software\\Wine\\Drivers /v Graphics /d null /f
$w reg add 'HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug' /v Debugger /d '' /f"
  expect "$name: what the scripts ask of Wine" "$made
$w Z:/tests.exe --gtest_brief=1
$s -k
$s -w
$made
$w reg add HKCU\\Software\\Wine\\Fonts\\Replacements /v 'Bookman Old Style' /d 'URW Bookman' /f
$w reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d 144 /f
$w Z:/tests.exe --gtest_filter=*Dpi*
$w reg delete HKCU\\Software\\Wine\\Fonts\\Replacements /v 'Bookman Old Style' /f
$w reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d 96 /f
$s -k
$s -w" "$(calls)"
}

loader32=$work/loaders/wine
runs32="i686: the Wine tests run the 32-bit program (windows preset): this machine runs 32-bit x86 code ($loader32 --version: wine-8.0 (Debian 8.0~repack-4))"
runs64="x86_64: the Wine tests run the 64-bit program (windows64 preset) under wine64:"
check_machine ThirtyTwoBitMachine runs-32-bit "" "$runs32" windows
check_machine SixtyFourBitOnlyMachine no-32-bit "" \
  "$runs64 this machine runs no 32-bit x86 code ($loader32 --version: Exec format error)" windows64
check_machine WineWithoutItsThirtyTwoBitLoader no-32-bit-loader "" \
  "$runs64 this machine runs no 32-bit x86 code ($loader32 --version: No such file or directory)" \
  windows64
for kind in runs-32-bit no-32-bit; do
  check_machine "$kind machine asked for x86_64" $kind x86_64 \
    "$runs64 NUMBREL_WINDOWS_ARCH=x86_64 asks for it" windows64
done

# A prefix these scripts did not make is left alone; settings of another
# kind are refused by name.
mkdir -p "$work/users-own/drive_c"
expect "a prefix made by someone else" \
  "wine: $work/users-own exists and was not made by these scripts; not touching it
1 drive_c" \
  "$(NUMBREL_WINEPREFIX=$work/users-own bash "$work/repo/scripts/wine-prefix.sh" 2>&1; \
     echo $? "$(ls "$work/users-own")")"
expect "another processor asked for" "NUMBREL_WINDOWS_ARCH is x86_64 or unset, not 'arm64'
2" \
  "$(NUMBREL_WINDOWS_ARCH=arm64 bash "$work/repo/scripts/windows-arch.sh" 2>&1; echo $?)"
expect "another Wine platform asked for" "NUMBREL_WINEARCH is win32 or win64, not 'win16'
2" \
  "$(NUMBREL_WINEARCH=win16 bash "$work/repo/scripts/wine-stop.sh" 2>&1; echo $?)"
expect "Wine's programs called in these cases" "" "$(calls)"
exit $status
