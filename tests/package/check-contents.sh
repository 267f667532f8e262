#!/usr/bin/env bash
# The package holds exactly the expected files, with the fields a software
# manager shows, and `cmake --install` installs the same set.
#   check-contents.sh PACKAGE.deb EXPECTED-FILES BUILD_DIR SCRATCH_DIR
set -euo pipefail
deb=$1 expected=$2 build=$3 scratch=$4
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

held=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
diff -u <(sort "$expected") <(echo "$held") || fail "the package's files differ from $expected"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = numbrel ] || fail "the package is named '$(field Package)'"
[ "$(field Section)" = math ] || fail "section '$(field Section)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
for library in libc6 libstdc++6 libqt6widgets6; do
  grep -q "$library" <<<"$(field Depends)" || fail "Depends lacks $library: '$(field Depends)'"
done

rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
installed=$(cd "$scratch" && find . -type f -o -type l | sed 's|^\./||' | sort)
diff -u <(sort "$expected") <(echo "$installed") || fail "cmake --install installs other files"
rm -rf "$scratch"
exit $status
