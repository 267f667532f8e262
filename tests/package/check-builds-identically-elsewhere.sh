#!/usr/bin/env bash
# A program built a second time, from the sources reached by another path and
# into a build folder at another path, is the same file byte for byte: no path
# of the build machine is written into it.
#   check-builds-identically-elsewhere.sh SOURCE_DIR BUILT_PROGRAM TARGET SCRATCH_DIR CMAKE_ARGUMENT...
set -euo pipefail
source "$(dirname "$0")/same-bytes.sh"
sources=$1 built=$2 target=$3 scratch=$4
shift 4
rm -rf "$scratch"
mkdir -p "$scratch/elsewhere"
ln -s "$sources" "$scratch/elsewhere/sources"
cmake -S "$scratch/elsewhere/sources" -B "$scratch/elsewhere/build" "$@" >/dev/null
log=$(cmake --build "$scratch/elsewhere/build" --target "$target" -j 2 2>&1) || {
  echo "$log" >&2
  exit 1
}
again=$(find "$scratch/elsewhere/build" -type f -name "${built##*/}")
same_bytes "$built" "$again"
rm -rf "$scratch"
