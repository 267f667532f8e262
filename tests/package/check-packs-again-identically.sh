#!/usr/bin/env bash
# Packing again from the same built programs, a day later by the clock, with
# another umask and time zone and into another folder, gives the same bytes:
# COMMAND must write REMADE, which is compared with MADE.
#   check-packs-again-identically.sh MADE REMADE COMMAND...
set -euo pipefail
source "$(dirname "$0")/same-bytes.sh"
made=$1 remade=$2
shift 2
rm -f "$remade"
(umask 077 && TZ=NPT-5:45 faketime -f '+25h' "$@") >/dev/null
same_bytes "$made" "$remade"
