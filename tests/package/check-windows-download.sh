#!/usr/bin/env bash
# The Windows zip unpacks to the three files: the program file stripped, README.txt
# and LICENSE.txt (the repository's LICENSE) with Windows line ends; the program
# answers under Wine, driven by the Windows program's test driver.
#   check-windows-download.sh ZIP LICENSE STRIP DRIVER.exe SCRATCH_DIR
set -euo pipefail
zip=$1 license=$2 strip=$3 driver=$4 scratch=$5
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
"$strip" --strip-all -o "$scratch/restripped.exe" "$scratch/EzosNumbrel.exe"
cmp -s "$scratch/restripped.exe" "$scratch/EzosNumbrel.exe" || fail "EzosNumbrel.exe is not stripped"

out=$(bash "$(dirname "$0")/../../scripts/wine-run.sh" "$driver" \
        --gtest_filter='CalculatorWindow.EveryButton*' "$scratch/EzosNumbrel.exe" 2>&1) ||
  fail "the unpacked program under Wine: $out"
grep -q '\[  PASSED  \] 1 test\.' <<<"$out" || fail "the driver ran no button test: $out"
rm -rf "$scratch"
exit $status
