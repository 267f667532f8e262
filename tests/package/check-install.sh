#!/usr/bin/env bash
# Installs the package on this machine with apt-get, runs both programs from
# /usr/bin and the desktop entry's command under Xvfb, purges the package and
# checks that nothing of it is left. The package is purged even when a step
# fails. Skips (status 77) without root or password-less sudo, and when the
# package is installed already by someone else: that installation is left alone.
#   check-install.sh PACKAGE.deb EXPECTED-FILES
set -euo pipefail
deb=$(realpath "$1") expected=$(realpath "$2")
package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo -n true 2>/dev/null || { echo "skipped: needs root or password-less sudo"; exit 77; }
  sudo=(sudo -n)
fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive
     apt-get -o DPkg::Lock::Timeout=900 -y -qq --no-install-recommends)

# One run at a time on this machine: other checkouts test the same package.
exec 9>"${TMPDIR:-/tmp}/numbrel-package-check.lock"
flock 9
# Present while the package on this machine is this test's.
mark=/var/lib/numbrel-package-check
installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ]; }
if installed && [ ! -e "$mark" ]; then
  echo "skipped: $package is installed on this machine and not by this test"
  exit 77
fi

status=0
fail() { echo "FAIL: $*" >&2; status=1; }
purge() {
  "${apt[@]}" purge "$package" >/dev/null
  "${sudo[@]}" rm -f "$mark"
}
trap purge EXIT
"${sudo[@]}" touch "$mark"
"${apt[@]}" install "$deb" >/dev/null

cmp <(/usr/bin/numbrel-cli divide 22 7) <(printf '3.\xc2\xa0[\xc2\xa0142857 ] - Repeating\n') ||
  fail "numbrel-cli divide 22 7"
cmp <(/usr/bin/numbrel --version) <(printf 'numbrel (Ezo'\''s Numbrel) %s\n' "$version") ||
  fail "numbrel --version"

# The desktop entry's command opens a window whose class is the entry's
# StartupWMClass, with the entry's icon installed.
entry=$(grep -l '^Exec=numbrel$' /usr/share/applications/*.desktop)
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -e "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no icon $icon"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
shown=$(xvfb-run -a bash -c '
  QT_QPA_PLATFORM=xcb "$1" & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
  xprop -id "$window" WM_CLASS
  kill "$pid"' _ "$(sed -n 's/^Exec=//p' "$entry")") || true
[ "$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p' <<<"$shown")" = "$wm_class" ] ||
  fail "the window shows '$shown', the entry's StartupWMClass is '$wm_class'"

trap - EXIT
purge
left=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) || true
if [ -n "$left" ] && [ "$left" != not-installed ]; then
  fail "dpkg still knows $package after the purge"
fi
while read -r file; do
  [ ! -e "/$file" ] || fail "/$file is left after the purge"
done <"$expected"
[ ! -e "/usr/share/doc/$package" ] || fail "/usr/share/doc/$package is left"
exit $status
