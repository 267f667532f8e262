#!/usr/bin/env bash
# Makes the tests' Wine prefix afresh: 32-bit (64-bit with
# NUMBREL_WINEARCH=win64), no .NET or browser engine, the null graphics
# driver, no crash debugger. About ten seconds.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
numbrel_make_prefix
