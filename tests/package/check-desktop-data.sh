#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata with the tools
# distributions use (any warning fails), checks that the id names them, the icon
# and the launchable alike, and that the scalable icon draws the window's icon.
#   check-desktop-data.sh APP_ID DESKTOP_FILE METAINFO_FILE ICON_32_PNG ICON_32_XPM
set -euo pipefail
id=$1 desktop=$2 metainfo=$3 png=$4 xpm=$5
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

out=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $out"
if grep -E '^[EW]:' <<<"$out"; then fail "appstreamcli warns: $out"; fi

[ "$(basename "$desktop")" = "$id.desktop" ] || fail "the desktop entry is not named $id.desktop"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "the metadata is not named $id.metainfo.xml"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"

# The icon theme's picture and the window's are the same pixels.
differ=$(/usr/bin/compare -metric AE "$png" "$xpm" null: 2>&1) || true
[ "$differ" = "0" ] || fail "the 32-pixel icon differs from the window's in $differ pixels"
exit $status
