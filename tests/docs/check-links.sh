#!/usr/bin/env bash
# The README and the pages under docs/ as a reader follows them: every
# relative link and picture names a file of the checkout, and every "#part"
# a heading of the page it points into; and the README's first commands are
# the two that build and open the calculator and build and test it.
#   tests/docs/check-links.sh REPOSITORY
set -euo pipefail
cd "$1"
status=0

# A heading's anchor as the page's renderer makes it: lower case, spaces to
# hyphens, other punctuation dropped.
anchors() {
  grep -E '^#{1,6} ' "$1" | sed -E 's/^#+ +//' | tr 'A-Z' 'a-z' | sed -E 's/[^a-z0-9 _-]//g; s/ /-/g'
}

for page in README.md docs/*.md; do
  dir=$(dirname "$page")
  # [text](target) and ![alt](target), one target a line.
  while IFS= read -r target; do
    case "$target" in http://* | https://* | mailto:*) continue ;; esac
    file=${target%%#*}
    anchor=""
    [[ "$target" == *"#"* ]] && anchor=${target#*#}
    resolved=$page
    if [ -n "$file" ]; then resolved=$dir/$file; fi
    if [ ! -e "$resolved" ]; then
      echo "$page: the link '$target' names no file ($resolved)"
      status=1
    elif [ -n "$anchor" ] && ! anchors "$resolved" | grep -qx -- "$anchor"; then
      echo "$page: the link '$target' names no heading of $resolved"
      status=1
    fi
  done < <(grep -oE '\]\([^) ]+\)' "$page" | sed -E 's/^\]\(//; s/\)$//')
done

first=$(grep -E '^    make ' README.md | head -n 2 | awk '{print $1, $2}' | paste -sd ' ')
if [ "$first" != "make run make test" ]; then
  echo "README.md: its first commands are '$first', not 'make run' then 'make test'"
  status=1
fi
exit $status
