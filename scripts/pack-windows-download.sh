#!/usr/bin/env bash
# Packs a Windows download: PROGRAM stripped, then the TEXT files, in that
# order, into ZIP. The zip comes out the same bytes whenever, wherever and by
# whomever it is made: every member dated SOURCE_DATE_EPOCH, the program with
# mode 755 and the texts 644, and no owner, access time or other extra field.
# The members are staged in a folder named as ZIP without ".zip".
#   SOURCE_DATE_EPOCH=SECONDS pack-windows-download.sh ZIP STRIP PROGRAM.exe TEXT...
set -euo pipefail
zip=$(realpath -m "$1") strip=$2 program=$3
shift 3
texts=("$@")
: "${SOURCE_DATE_EPOCH:?the release time, in seconds since 1970}"

stage=${zip%.zip}
rm -rf "$stage" "$zip"
mkdir -p "$stage"
# strip writes SOURCE_DATE_EPOCH into the program's header, not the time it runs.
"$strip" --strip-all -o "$stage/${program##*/}" "$program"
cp "${texts[@]}" "$stage/"

members=("${program##*/}" "${texts[@]##*/}")
cd "$stage"
chmod 0755 "${members[0]}"
chmod 0644 "${members[@]:1}"
touch -d "@$SOURCE_DATE_EPOCH" "${members[@]}"
# zip writes a member's time as local time; -X leaves out owners and Unix times.
TZ=UTC0 zip -X -q "$zip" "${members[@]}"
