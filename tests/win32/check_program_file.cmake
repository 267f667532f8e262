# Checks EzosNumbrel.exe as objdump reads it: a 32-bit program for the Windows
# GUI subsystem, 1 MiB of stack reserved, 4 KiB committed, and imports from
# system DLLs only.
#   cmake -DOBJDUMP=... -DPROGRAM=... -P check_program_file.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()

set(failures "")
foreach(expected
    "file format pei-i386"
    "Magic\t\t\t010b\t(PE32)"
    "Subsystem\t\t00000002\t(Windows GUI)"
    "SizeOfStackReserve\t00100000"
    "SizeOfStackCommit\t00001000")
  string(FIND "${headers}" "${expected}" at)
  if(at EQUAL -1)
    string(APPEND failures "  missing: ${expected}\n")
  endif()
endforeach()

set(system_dlls COMCTL32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL WS2_32.DLL)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  string(APPEND failures "  no imports found\n")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOUPPER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    string(APPEND failures "  imports ${dll}, not a system DLL of the list\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${PROGRAM}:\n${failures}")
endif()
message(STATUS "PE32 i386, Windows GUI, 1 MiB stack; imports: ${imports}")
