#!/usr/bin/env bash
# Debian's own checks on the package: no error and no warning. Informational
# tags are shown, not counted.
#   check-lintian.sh PACKAGE.deb
set -euo pipefail
exec lintian --display-info --fail-on error,warning --no-tag-display-limit "$1"
