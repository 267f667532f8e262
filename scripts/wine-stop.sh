#!/usr/bin/env bash
# Ends every Wine process of the tests' prefix and waits for the server to go.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -d "$WINEPREFIX" ] || exit 0
wineserver -k 2>/dev/null || true
wineserver -w
