# Cross-builds the Windows program with MinGW-w64 for NUMBREL_MINGW_ARCH
# (i686 or x86_64) and runs its test programs under Wine through
# scripts/wine-run.sh. The toolchain file that includes this one sets that
# and NUMBREL_WINDOWS_PLATFORM (win32 or win64), as the downloads, the tests
# and Wine's prefixes name the program's kind.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${NUMBREL_MINGW_ARCH})

set(NUMBREL_MINGW_PREFIX ${NUMBREL_MINGW_ARCH}-w64-mingw32)
# The POSIX thread model: its standard library has std::mutex, which
# GoogleTest needs on Windows. Linked statically like the rest.
set(CMAKE_C_COMPILER ${NUMBREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUMBREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NUMBREL_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${NUMBREL_MINGW_PREFIX}-objdump CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${NUMBREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: no libgcc or libstdc++ DLL beside them. The one
# thread reserves 1 MiB of stack, where the operations keep their work arrays.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--stack,1048576")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
