#!/usr/bin/env bash
# Opens the calculator built by the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=build/default/app/cli/numbrel-cli
"$cli" --help
