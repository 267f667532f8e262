# The Linux programs of a release build are hardened as a Debian package is:
# the distribution's own hardening flags, taken from dpkg-buildflags (fortified
# functions, stack protector, format checks, full RELRO with immediate binding),
# and position-independent executables. Sanitized and fuzzing builds, which
# bring their own instrumentation, and the cross builds are left as they are.
# Every target of ours links numbrel_hardening, as it links numbrel_warnings;
# where the build is left as it is, the target carries nothing.
add_library(numbrel_hardening INTERFACE)
if(NOT CMAKE_BUILD_TYPE STREQUAL "Release" OR WIN32 OR EMSCRIPTEN OR NUMBREL_SANITIZE
   OR NUMBREL_FUZZ)
  return()
endif()

find_program(NUMBREL_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
function(numbrel_buildflags variable out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${NUMBREL_DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # Only the hardening: the build type chooses the optimization and debug
  # information, and the build directory stays in the file names.
  list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

numbrel_buildflags(CPPFLAGS cppflags)
numbrel_buildflags(CXXFLAGS cxxflags)
numbrel_buildflags(LDFLAGS ldflags)
target_compile_options(numbrel_hardening INTERFACE ${cppflags} ${cxxflags})
target_link_options(numbrel_hardening INTERFACE ${ldflags})

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set_target_properties(numbrel_hardening PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
