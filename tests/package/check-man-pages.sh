#!/usr/bin/env bash
# Each man page renders without a warning from man or groff.
#   check-man-pages.sh PAGE.1.gz...
set -uo pipefail
status=0
for page in "$@"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "FAIL: $page: $warnings" >&2
    status=1
  fi
done
exit $status
