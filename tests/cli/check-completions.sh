#!/usr/bin/env bash
# numbrel-cli's completions, each run by its own shell: what a command line
# completes to where the command goes, where an option begins, and where a
# field (a number) goes.
#   check-completions.sh BASH-FILE ZSH-FILE FISH-FILE
set -uo pipefail
here=$(dirname "$0")
bash_file=$1 zsh_file=$2 fish_file=$3
export LC_ALL=C
status=0

commands="all-factors binary bits divide gcf-lcm help prime-factors"
options="--as-typed --help --json --null --raw --version"
cases=("numbrel-cli d|divide" "numbrel-cli --|$options" "numbrel-cli --json |$commands"
       "numbrel-cli -- |$commands" "numbrel-cli divide 2|" "numbrel-cli divide |")

# bash as it calls the function, without the bash-completion package, which
# need not be installed: the words and the word under the cursor.
complete_bash() {
  timeout 60 bash -c 'source "$1"
    read -ra COMP_WORDS <<<"$2"
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _numbrel_cli
    printf "%s\n" "${COMPREPLY[@]}"' _ "$bash_file" "$1"
}
complete_zsh() { timeout 60 zsh -f "$here/zsh-complete.zsh" "$(dirname "$zsh_file")" "$1"; }
complete_fish() { timeout 60 fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$fish_file" "$1" | cut -f1; }

for shell in bash zsh fish; do
  for c in "${cases[@]}"; do
    line=${c%%|*} want=${c#*|}
    got=$("complete_$shell" "$line" | sort -u | paste -sd ' ')
    [ "$got" = "$want" ] || { echo "FAIL: $shell completes '$line' to '$got', not '$want'" >&2; status=1; }
  done
done
exit $status
