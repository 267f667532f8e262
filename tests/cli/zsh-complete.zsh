# Completes a command line as an interactive zsh does on a terminal, with
# the completion functions in FOLDER, and prints each match on a line.
#   zsh -f zsh-complete.zsh FOLDER LINE
zmodload zsh/zpty
zpty shell zsh -f -i
zpty -w shell "fpath=(${(q)1} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w shell "bindkey '^I' complete-word"
# Every match offered is printed as <match> instead of being inserted.
zpty -w shell 'compadd() { local -a m; local x; builtin compadd -O m "$@"; for x in $m; do print -n -- "<$x>"; done }'
# The prompt, and the marker after the completion, as typed differ from what is printed.
zpty -w shell 'PROMPT="RE""ADY>"'
zpty -r shell out '*READY>*'
zpty -w -n shell "$2"$'\t'
zpty -w -n shell $'\C-e\C-u''print -r -- "@@""END@@"'$'\n'
zpty -r shell out '*@@END@@*'
zpty -d shell
out=${${out##*$2}%%@@END@@*}
print -l -- ${(ou)${(M)${(s:>:)out}:#<*}#<}
