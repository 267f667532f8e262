#!/usr/bin/env bash
# Runs one Windows program in the tests' prefix with URW Bookman standing in
# for the dialog's face, "Bookman Old Style" (a Windows font, absent here), and
# with the prefix at the given DPI (LogPixels); then sets both back. URW
# Bookman is wider: some labels need a smaller size. The other tests keep
# Wine's own stand-in, in which the long results are laid out faster.
#   scripts/wine-bookman.sh DPI PROGRAM.exe [ARGUMENT...]
set -euo pipefail
here=$(dirname "$0")
source "$here/wine-env.sh"
dpi=$1
shift
replacements='HKCU\Software\Wine\Fonts\Replacements'
restore() {
  wine reg delete "$replacements" /v 'Bookman Old Style' /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
}
trap restore EXIT
wine reg add "$replacements" /v 'Bookman Old Style' /d 'URW Bookman' /f >/dev/null
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
bash "$here/wine-run.sh" "$@"
