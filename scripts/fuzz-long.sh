#!/usr/bin/env bash
# The longer fuzz run, for use by hand: every command's fuzzing for SECONDS
# seconds each (default 600), growing the work corpus under build/fuzz.
# Inputs that crash are written to build/fuzz/crashes/; make each one a
# regression test before fixing it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
fuzzer=build/fuzz/tests/fuzz/numbrel_fuzzer
mkdir -p build/fuzz/crashes
NUMBREL_FUZZ_LIST=1 "$fuzzer" | while read -r command _runs; do
  echo "== $command: $seconds s"
  mkdir -p "build/fuzz/tests/fuzz/corpus/$command"
  NUMBREL_FUZZ_COMMAND=$command "$fuzzer" -max_total_time="$seconds" -max_len=120000 -timeout=10 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="build/fuzz/crashes/$command-" \
    "build/fuzz/tests/fuzz/corpus/$command" "tests/fuzz/corpus/$command" 2>&1 < /dev/null |
    grep -E '^(stat::|#[0-9]+[[:space:]]+DONE|==[0-9]+==ERROR|SUMMARY)' || true
done
