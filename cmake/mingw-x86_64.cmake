# The 64-bit Windows program, built from the same sources: MinGW-w64 for x86-64.
set(NUMBREL_MINGW_ARCH x86_64)
set(NUMBREL_WINDOWS_PLATFORM win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
