#!/usr/bin/env bash
# Debian's own checks on the package: no error, no warning, and no
# informational tag either (the hardening and the stripped notes among them).
#   check-lintian.sh PACKAGE.deb
set -euo pipefail
exec lintian --display-info --fail-on error,warning,info --no-tag-display-limit "$1"
