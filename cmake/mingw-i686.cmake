# The 32-bit Windows program, the main download: MinGW-w64 for i686.
set(NUMBREL_MINGW_ARCH i686)
set(NUMBREL_WINDOWS_PLATFORM win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
