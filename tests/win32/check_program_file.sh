#!/usr/bin/env bash
# Reads EzosNumbrel.exe back with the binutils and icoutils and compares what
# they print with program_file.txt: the PE headers (PE32 i386, Windows GUI for
# Vista and later, loaded at a random address with data not executable,
# 1 MiB stack reserved, 4 KiB committed), the imported DLLs,
# every resource with its language and size, and the resources printed back as
# statements. The 64-bit program is held against the same file, read as PE32+
# x86-64 with 64-bit stack sizes and a high-entropy random address; DLL names compare without case, as Windows
# loads them.
#   check_program_file.sh OBJDUMP WINDRES PROGRAM
set -euo pipefail
objdump=$1 windres=$2 program=$3
dll_names_lower='/DLL Name:/s/.*/\L&/'
expected() {
  if "$objdump" -f "$program" | grep -q 'file format pei-x86-64'; then
    sed -e 's/pei-i386/pei-x86-64/' -e 's/010b\t(PE32)/020b\t(PE32+)/' \
        -e 's/^\(SizeOfStack[A-Za-z]*\t\)/\100000000/' \
        -e 's/^DllCharacteristics\t00000140$/DllCharacteristics\t00000160\n\t\t\t\t\tHIGH_ENTROPY_VA/' \
        "$(dirname "$0")/program_file.txt"
  else
    cat "$(dirname "$0")/program_file.txt"
  fi | sed "$dll_names_lower"
}
{
  "$objdump" -p "$program" |
    grep -E 'file format|^(Magic|Subsystem|SizeOfStack|M(aj|in)or(OSystem|Subsystem)Version|DllCharacteristics)|^\s+[A-Z_]+$|DLL Name:' |
    sed -e 's/^.*file format/file format/' -e "$dll_names_lower"
  wrestool -l "$program" | sed -E 's/offset=0x[0-9a-f]+ //'
  # Of each icon picture only its header (size, planes, bits per pixel), and of
  # the manifest the lines naming the common controls, the Windows versions and
  # the DPI awareness.
  "$windres" -i "$program" -O rc |
    sed -e '/^\/\*.*\*\/$/d' -e '/^\/\*/,/\*\/$/d' -e '/^$/d' -e '/^  0x28L/b' -e '/^  0x/d' \
        -e '/Common-Controls\|supportedOS\|dpiAware/b' -e '/^  "/d'
} | diff -u <(expected) -
