#!/usr/bin/env bash
# Photographs the browser edition in headless Chromium, for the README.
#   scripts/screenshot-web.sh [OUT.png]     (default docs/numbrel-web.png)
# Needs the site built (make web) and the npm packages (make deps).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/numbrel-web.png}")
site=build/web/site
port=${PORT:-8418}
if [ ! -f "$site/index.html" ]; then
  echo "screenshot-web: $site is missing; run make web first" >&2
  exit 1
fi
node scripts/serve-web.mjs "$site" "$port" >/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -sf "http://127.0.0.1:$port/" >/dev/null && break
  sleep 0.1
done
mkdir -p "$(dirname "$out")"
(cd tests/web && node screenshot.mjs "http://127.0.0.1:$port/" "$out")
echo "screenshot-web: wrote $out"
