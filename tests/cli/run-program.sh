#!/usr/bin/env bash
# Runs the built numbrel-cli as scripts do: fields from the arguments and
# from a pipe, a write to a full device, an input that cannot be read,
# readers that stop early, a script
# that waits for each answer before it writes the next line, JSON lines a
# JSON reader takes, and its version against the project's.
#   run-program.sh NUMBREL-CLI VERSION
set -uo pipefail
cli=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# expect WHAT STATUS OUT ERR: the last command's status and bytes, kept in
# $got, $scratch/out and $scratch/err.
expect() {
  [ "$got" = "$2" ] || fail "$1: status $got, not $2"
  cmp -s "$scratch/out" <(printf "$3") || fail "$1: out '$(cat -A "$scratch/out")'"
  cmp -s "$scratch/err" <(printf "$4") || fail "$1: err '$(cat -A "$scratch/err")'"
}

"$cli" binary 1011 101 >"$scratch/out" 2>"$scratch/err"; got=$?
expect "the arguments" 0 '11\n5\n' ''

printf '1\nx\n11' | "$cli" binary >"$scratch/out" 2>"$scratch/err"; got=$?
expect "a pipe" 2 '1\n3\n' "numbrel-cli: line 2: TEXT 'x' is not 1 to 32 binary digits\n"

"$cli" bits 262144 >/dev/full 2>"$scratch/err"; got=$?
[ "$got" = 3 ] && grep -qx 'numbrel-cli: cannot write the output: .*' "$scratch/err" ||
  fail "a write to /dev/full gave status $got and '$(cat "$scratch/err")'"

"$cli" binary <"$scratch" >"$scratch/out" 2>"$scratch/err"; got=$?
expect "a directory for standard input" 3 '' 'numbrel-cli: cannot read standard input: Is a directory\n'

# Endless input, and a reader that takes two bytes: numbrel-cli ends at once
# and says nothing, whether the closed pipe's signal ends it (141) or it is
# ignored and the write fails (0).
for signal in default ignored; do
  statuses=$(
    [ $signal = ignored ] && trap '' PIPE
    yes 101 2>/dev/null | timeout 60 "$cli" binary 2>"$scratch/err" | head -c 2 >/dev/null
    echo "${PIPESTATUS[1]}")
  want=141; [ $signal = ignored ] && want=0
  [ "$statuses" = $want ] && [ ! -s "$scratch/err" ] ||
    fail "with SIGPIPE $signal, an early reader left status $statuses and '$(cat "$scratch/err")'"
done

# Each answer is written before numbrel-cli waits for the next line.
coproc answers { "$cli" prime-factors; }
pid=$answers_PID to=${answers[1]} from=${answers[0]}
echo 12 >&"$to"
IFS= read -r -t 60 first <&"$from"
[ "$first" = "The prime factorization of 12 is:" ] || fail "a waiting script read '$first'"
exec {to}>&-
wait "$pid"

printf '12 18\n0 5\n"\\\001\377 1\n' | "$cli" --json --as-typed gcf-lcm >"$scratch/out" 2>/dev/null
jq -e -s 'map(.outcome) == ["answered", "refused", "refused"]' "$scratch/out" >/dev/null ||
  fail "jq did not read the JSON lines as three runs: '$(cat -A "$scratch/out")'"

[ "$("$cli" --version)" = "numbrel-cli (Ezo's Numbrel) $version" ] ||
  fail "--version says '$("$cli" --version)', the project $version"
exit $status
