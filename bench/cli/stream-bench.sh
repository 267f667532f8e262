#!/usr/bin/env bash
# numbrel-cli timed whole, as scripts call it (process start, reading and
# writing included), each case beside its yardstick on the same input:
#   - 100,000 random 31-bit numbers on standard input through prime-factors,
#     beside coreutils' factor on the same file;
#   - 10,000 divisions on standard input, a divisor below 10,000 each;
#   - 1,000 of those numbers in one process, beside one process each (xargs -n 1).
# The two commands of a case take turns, round after round, so that a machine
# that others share slows both alike; the figures are the medians of the
# rounds, wall time and processor time (user and system).
#   bench/cli/stream-bench.sh NUMBREL-CLI [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
rounds=${2:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same inputs on every run: awk's generator, started from a fixed value.
awk 'BEGIN { srand(1); for (i = 0; i < 100000; i++) printf "%.0f\n", int(rand() * 2147483648) }' \
  >"$work/numbers"
head -n 1000 "$work/numbers" >"$work/thousand"
awk 'BEGIN { srand(2); for (i = 0; i < 10000; i++)
             printf "%.0f %.0f\n", int(rand() * 4294967296), 1 + int(rand() * 9999) }' >"$work/divisions"

# Every answer there, and every run answered, before anything is timed.
answers=$("$cli" prime-factors <"$work/numbers" | grep -c '^The prime factorization of ')
[ "$answers" = 100000 ] || { echo "numbrel-cli gave $answers factorizations of 100,000" >&2; exit 1; }
"$cli" divide <"$work/divisions" >/dev/null || { echo "numbrel-cli refused a division" >&2; exit 1; }

# rounds ROUNDS COMMAND...: each command once a round, in turn, after one
# round not counted; a line per command and round: its index, wall and
# processor seconds.
rounds() {
  local count=$1 round index
  shift
  for ((round = 0; round <= count; round++)); do
    for ((index = 1; index <= $#; index++)); do
      local TIMEFORMAT="$index %R %U %S"
      { time eval "${!index}" >/dev/null 2>&1; } 2>"$work/time"
      if ((round > 0)); then cat "$work/time"; fi
    done
  done
}

# row NAME YARDSTICK ROUNDS COMMAND [YARDSTICK-COMMAND]: one row of the table.
row() {
  local name=$1 yardstick=$2 count=$3
  shift 3
  rounds "$count" "$@" | awk -v name="$name" -v yardstick="$yardstick" '
    function median(list, n,   sorted, i, j, t) {
      for (i = 1; i <= n; i++) sorted[i] = list[i]
      for (i = 2; i <= n; i++)
        for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) { t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t }
      return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
    }
    { n[$1]++; wall[$1, n[$1]] = $2; cpu[$1, n[$1]] = $3 + $4 }
    END {
      for (c = 1; c <= 2; c++) {
        for (i = 1; i <= n[c]; i++) { w[i] = wall[c, i]; p[i] = cpu[c, i] }
        mw[c] = median(w, n[c]); mp[c] = median(p, n[c])
      }
      line = sprintf("%-46s %9.1f ms %9.1f ms", name, 1000 * mw[1], 1000 * mp[1])
      if (n[2]) line = line sprintf("   %-16s %9.1f ms %9.1f ms %8.3gx %8.3gx", yardstick,
                                   1000 * mw[2], 1000 * mp[2], mw[1] / mw[2], mp[1] / mp[2])
      print line
    }'
}

printf '%-46s %12s %12s   %-16s %12s %12s %9s %9s\n' "case" "numbrel-cli" "cpu" "yardstick" "" \
  "cpu" "ratio" "cpu"
row "prime-factors, 100,000 random 31-bit numbers" factor "$rounds" \
  "$cli prime-factors <$work/numbers" "factor <$work/numbers"
row "divide, 10,000 random lines" "" "$rounds" "$cli divide <$work/divisions"
row "prime-factors, 1,000 numbers in one process" "1,000 processes" 3 \
  "$cli prime-factors <$work/thousand" "xargs -n 1 $cli prime-factors <$work/thousand"
