#!/usr/bin/env bash
# numbrel-cli timed whole, as scripts call it (process start, reading and
# writing included), by hyperfine, each case beside its yardstick in the same
# run on the same input, the output read through a pipe:
#   - 100,000 random 31-bit numbers on standard input through prime-factors,
#     beside coreutils' factor on the same file;
#   - 10,000 divisions on standard input, a divisor below 10,000 each;
#   - 1,000 of those numbers in one process, beside one process each (xargs -n 1).
#   bench/cli/stream-bench.sh NUMBREL-CLI [RUNS]
set -euo pipefail
cli=$(realpath "$1")
runs=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same inputs on every run: awk's generator from a fixed seed.
awk 'BEGIN { srand(1); for (i = 0; i < 100000; i++) printf "%.0f\n", int(rand() * 2147483648) }' \
  >"$work/numbers"
head -n 1000 "$work/numbers" >"$work/thousand"
awk 'BEGIN { srand(2); for (i = 0; i < 10000; i++)
             printf "%.0f %.0f\n", int(rand() * 4294967296), 1 + int(rand() * 9999) }' >"$work/divisions"

# Every answer there, and every run answered, before anything is timed.
answers=$("$cli" prime-factors <"$work/numbers" | grep -c '^The prime factorization of ')
[ "$answers" = 100000 ] || { echo "numbrel-cli gave $answers factorizations of 100,000" >&2; exit 1; }
"$cli" divide <"$work/divisions" >/dev/null || { echo "numbrel-cli refused a division" >&2; exit 1; }

# time_runs RUNS NAME COMMAND [YARDSTICK-COMMAND]: the means and spreads, in
# seconds, tab-separated. Its warnings (a run under 5 ms) are left out: the
# spread says as much.
time_runs() {
  hyperfine --style none --output pipe --warmup 2 --runs "$1" --export-json "$work/times.json" \
    "${@:3}" >/dev/null 2>&1
  jq -r --arg name "$2" '[$name] + (.results | map(.mean, .stddev) | map(tostring)) | join("\t")' \
    "$work/times.json"
}
{
  time_runs "$runs" "prime-factors, 100,000 random 31-bit numbers|factor" \
    "$cli prime-factors <$work/numbers" "factor <$work/numbers"
  time_runs "$runs" "divide, 10,000 random lines|" "$cli divide <$work/divisions"
  time_runs 3 "prime-factors, 1,000 numbers in one process|1,000 processes" \
    "$cli prime-factors <$work/thousand" "xargs -n 1 $cli prime-factors <$work/thousand"
} | awk -F '\t' '
  function ms(s) { return sprintf("%9.2f ms", s * 1000) }
  function spread(d, s) { return sprintf("±%3.0f%%", 100 * d / s) }
  BEGIN { printf "%-46s %17s   %-16s %17s %9s\n", "case", "numbrel-cli", "yardstick", "", "ratio" }
  { split($1, name, "|")
    line = sprintf("%-46s %s %s", name[1], ms($2), spread($3, $2))
    if (name[2] != "") line = line sprintf("   %-16s %s %s %8.3fx", name[2], ms($4), spread($5, $4), $2 / $4)
    print line }'
