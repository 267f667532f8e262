# The Linux programs of a release build are hardened as a Debian package is:
# the distribution's own hardening flags, taken from dpkg-buildflags (fortified
# functions, stack protector, format checks, full RELRO with immediate binding),
# and position-independent executables. Sanitized and fuzzing builds, which
# bring their own instrumentation, and the cross builds are left as they are.
# numbrel_strip_comment(TARGET) drops the compilers' identification notes,
# of no use in an installed program, from a hardened program.
function(numbrel_strip_comment target)
  if(NUMBREL_HARDENED)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:${target}>
      VERBATIM)
  endif()
endfunction()

if(NOT CMAKE_BUILD_TYPE STREQUAL "Release" OR WIN32 OR EMSCRIPTEN OR NUMBREL_SANITIZE
   OR NUMBREL_FUZZ)
  set(NUMBREL_HARDENED OFF)
  return()
endif()
set(NUMBREL_HARDENED ON)

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
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

