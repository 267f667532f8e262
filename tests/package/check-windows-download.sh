#!/usr/bin/env bash
# The Windows zip unpacks to the three files: the program file stripped, README.txt
# and LICENSE.txt (the repository's LICENSE) with Windows line ends; the program
# answers under Wine, driven by the Windows program's test driver.
#   check-windows-download.sh ZIP LICENSE OBJDUMP DRIVER.exe SCRATCH_DIR
set -euo pipefail
zip=$1 license=$2 objdump=$3 driver=$4 scratch=$5
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

names=$(unzip -Z1 "$zip" | sort)
[ "$names" = "$(printf '%s\n' EzosNumbrel.exe LICENSE.txt README.txt)" ] ||
  fail "the zip holds: $names"
rm -rf "$scratch"
mkdir -p "$scratch"
unzip -q "$zip" -d "$scratch"

for text in README.txt LICENSE.txt; do
  if LC_ALL=C grep -qv $'\r$' "$scratch/$text"; then fail "$text has a line not ending in CR LF"; fi
done
cmp -s <(sed 's/$/\r/' "$license") "$scratch/LICENSE.txt" || fail "LICENSE.txt is not LICENSE"
grep -q "Windows Vista or later" "$scratch/README.txt" || fail "README.txt names no minimum Windows"
# Stripping again would change the time stamp, so read what is left instead.
"$objdump" -t "$scratch/EzosNumbrel.exe" | grep -qx 'no symbols' || fail "EzosNumbrel.exe has symbols"
if "$objdump" -h "$scratch/EzosNumbrel.exe" | grep -q '\.debug'; then fail "EzosNumbrel.exe has debug sections"; fi

# The driver takes the program in Windows form: Wine shows the host's files as drive Z:.
out=$(NUMBREL_PROGRAM="Z:$scratch/EzosNumbrel.exe" bash "$(dirname "$0")/../../scripts/wine-run.sh" \
        "$driver" --gtest_filter='Calculator.ShowsWhatTheCoreComputes/Divide' 2>&1) ||
  fail "the unpacked program under Wine: $out"
grep -q '\[  PASSED  \] 1 test\.' <<<"$out" || fail "the driver ran no Divide test: $out"
rm -rf "$scratch"
exit $status
