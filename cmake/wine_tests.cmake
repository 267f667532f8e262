# Which Windows program the Wine tests run, found out once when the build is
# configured: the 32-bit one where this machine runs 32-bit x86 code, else
# (or with NUMBREL_WINDOWS_ARCH=x86_64) the 64-bit one. The preset of the
# other program builds it and reads its program file only. Sets
# NUMBREL_WINE_TESTS ON where this build's programs run under Wine, in a
# prefix of their kind (NUMBREL_WINDOWS_PLATFORM, win32 or win64).
execute_process(
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/windows-arch.sh
  OUTPUT_VARIABLE numbrel_wine_line OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "^[a-z0-9_]+" numbrel_wine_arch "${numbrel_wine_line}")
message(NOTICE "${numbrel_wine_line}")

if(numbrel_wine_arch STREQUAL CMAKE_SYSTEM_PROCESSOR)
  set(NUMBREL_WINE_TESTS ON)
else()
  set(NUMBREL_WINE_TESTS OFF)
endif()
