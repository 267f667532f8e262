# The Debian package, made by CPack from the install rules (cmake/install.cmake):
#   scripts/pack-deb.sh build/default DIR   (what `make package` runs)
# Only where both programs are built.
if(NOT (TARGET numbrel AND TARGET numbrel-cli))
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${NUMBREL_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
execute_process(COMMAND dpkg --print-architecture
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${NUMBREL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for whole numbers with exact answers")
set(CPACK_PACKAGE_DESCRIPTION
"Ezo's Numbrel converts binary to decimal as you type, divides exactly with
the repeating block of digits marked, finds the greatest common factor and
least common multiple of two numbers, the prime factors and all the factors
of a number, and writes 2 to the power n out in full for n up to 262,144.

This package holds the desktop program (numbrel, Qt 6) and the same
calculator on a terminal for scripts (numbrel-cli).")

# Every time in the package, the ar members', the control files' and the
# installed files', is the release's: CPack reads SOURCE_DATE_EPOCH, set in its
# own process from this file, which it includes when it runs.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/numbrel_cpack_time.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE}
     CONTENT "set(ENV{SOURCE_DATE_EPOCH} @NUMBREL_RELEASE_EPOCH@)\n" @ONLY)

include(CPack)
