# The release, read from res/debian/changelog's latest entry: its version, which
# must be the project's, its maintainer, and its date, the one time every
# download carries (NUMBREL_RELEASE_EPOCH, given to tools as SOURCE_DATE_EPOCH).
find_program(NUMBREL_DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)

set(NUMBREL_CHANGELOG ${PROJECT_SOURCE_DIR}/res/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${NUMBREL_CHANGELOG})

function(numbrel_changelog_field field variable)
  execute_process(COMMAND ${NUMBREL_DPKG_PARSECHANGELOG} -l ${NUMBREL_CHANGELOG} -S ${field}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${variable} "${value}" PARENT_SCOPE)
endfunction()

numbrel_changelog_field(Version numbrel_changelog_version)
if(NOT numbrel_changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "res/debian/changelog's latest entry is ${numbrel_changelog_version}, "
                      "the project is ${PROJECT_VERSION}: add an entry for this release")
endif()
numbrel_changelog_field(Timestamp NUMBREL_RELEASE_EPOCH)
numbrel_changelog_field(Maintainer NUMBREL_MAINTAINER)

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
set(numbrel_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${NUMBREL_RELEASE_EPOCH})
string(TIMESTAMP NUMBREL_RELEASE_DATE "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${numbrel_saved_epoch}")

# Runs a tool with the release's time as SOURCE_DATE_EPOCH, which the tools
# that would write the time they run write instead. A Windows program's header
# holds the time it was linked: the linker is one of them.
set(NUMBREL_AT_RELEASE_TIME ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${NUMBREL_RELEASE_EPOCH})
if(WIN32)
  set(CMAKE_CXX_LINKER_LAUNCHER ${NUMBREL_AT_RELEASE_TIME})
endif()
