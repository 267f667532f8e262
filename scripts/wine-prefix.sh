#!/usr/bin/env bash
# Makes the tests' Wine prefix afresh: 32-bit, no .NET or browser engine, the
# null graphics driver, no crash debugger. About ten seconds.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
numbrel_make_prefix
