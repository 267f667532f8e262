# For each Windows preset, what configuring it on this machine decides: its
# toolchain file, as CMakePresets.json names it, then the step every Windows
# configure runs (cmake/wine_tests.cmake). One line a preset: whether it
# registers the Wine suites, and the Wine platform they run in.
#   cmake -DSOURCE_DIR=REPOSITORY -P wine_suites_by_preset.cmake
file(READ ${SOURCE_DIR}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
set(PROJECT_SOURCE_DIR ${SOURCE_DIR})
foreach(i RANGE ${last})
  string(JSON name GET "${presets}" configurePresets ${i} name)
  string(JSON toolchain ERROR_VARIABLE no_toolchain GET "${presets}" configurePresets ${i}
         toolchainFile)
  if(NOT toolchain MATCHES "/cmake/mingw-[^/]*$")
    continue()
  endif()
  string(REPLACE "\${sourceDir}" "${SOURCE_DIR}" toolchain "${toolchain}")
  include(${toolchain})
  include(${SOURCE_DIR}/cmake/wine_tests.cmake)
  message(NOTICE "${name}: Wine suites ${NUMBREL_WINE_TESTS}, in ${NUMBREL_WINDOWS_PLATFORM}")
endforeach()
