#!/usr/bin/env bash
# Says which Windows program the Wine tests run, and why, in one line that
# starts with its processor (i686 or x86_64). The 32-bit program where this
# machine runs 32-bit x86 code, found out by starting Wine's 32-bit loader;
# the 64-bit one under wine64 where it does not, or where
# NUMBREL_WINDOWS_ARCH=x86_64 asks for it.
#   scripts/windows-arch.sh
set -euo pipefail
source "$(dirname "$0")/wine-loaders.sh"
case "${NUMBREL_WINDOWS_ARCH:-}" in
  x86_64)
    echo "x86_64: the Wine tests run the 64-bit program (windows64 preset) under wine64:" \
         "NUMBREL_WINDOWS_ARCH=x86_64 asks for it"
    exit 0 ;;
  ""|i686) ;;
  *) echo "NUMBREL_WINDOWS_ARCH is x86_64 or unset, not '$NUMBREL_WINDOWS_ARCH'" >&2; exit 2 ;;
esac
if probe=$("$numbrel_wine32" --version 2>&1); then
  echo "i686: the Wine tests run the 32-bit program (windows preset):" \
       "this machine runs 32-bit x86 code ($numbrel_wine32 --version: $probe)"
else
  echo "x86_64: the Wine tests run the 64-bit program (windows64 preset) under wine64:" \
       "this machine runs no 32-bit x86 code ($numbrel_wine32 --version: ${probe##*: })"
fi
