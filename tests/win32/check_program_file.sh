#!/usr/bin/env bash
# Reads EzosNumbrel.exe back with the binutils and icoutils and compares what
# they print with program_file.txt: the PE headers (PE32 i386, Windows GUI for
# Vista and later, loaded at a random address with data not executable,
# 1 MiB stack reserved, 4 KiB committed), the imported DLLs,
# every resource with its language and size, and the resources printed back as
# statements.
#   check_program_file.sh OBJDUMP WINDRES PROGRAM
set -euo pipefail
objdump=$1 windres=$2 program=$3
{
  "$objdump" -p "$program" |
    grep -E 'file format|^(Magic|Subsystem|SizeOfStack|M(aj|in)or(OSystem|Subsystem)Version|DllCharacteristics)|^\s+[A-Z_]+$|DLL Name:' |
    sed 's/^.*file format/file format/'
  wrestool -l "$program" | sed -E 's/offset=0x[0-9a-f]+ //'
  # Of each icon picture only its header (size, planes, bits per pixel), and of
  # the manifest the lines naming the common controls, the Windows versions and
  # the DPI awareness.
  "$windres" -i "$program" -O rc |
    sed -e '/^\/\*.*\*\/$/d' -e '/^\/\*/,/\*\/$/d' -e '/^$/d' -e '/^  0x28L/b' -e '/^  0x/d' \
        -e '/Common-Controls\|supportedOS\|dpiAware/b' -e '/^  "/d'
} | diff -u "$(dirname "$0")/program_file.txt" -
