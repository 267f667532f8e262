# What `cmake --install` puts under the prefix, the same files the Debian package
# holds: the programs, their man pages, numbrel-cli's shell completions, the
# desktop entry, the AppStream metadata, the icons, and the licence and
# changelog under share/doc/numbrel. Everything generated is made at build time
# (tests/package/expected-files.txt lists it all).
include(GNUInstallDirs)

set(NUMBREL_PACKAGE_NAME numbrel)
set(numbrel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${NUMBREL_PACKAGE_NAME})
set(numbrel_generated ${PROJECT_BINARY_DIR}/installed)
find_program(NUMBREL_GZIP gzip REQUIRED)
find_program(NUMBREL_HELP2MAN help2man REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# Compressed as Debian wants it: best compression, no name or time stamp inside.
function(numbrel_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND ${NUMBREL_GZIP} -9n -c ${source} > ${target}
    DEPENDS ${source} VERBATIM)
endfunction()

# The licence in Debian's machine-readable form, its text taken from LICENSE.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE numbrel_license_lines)
list(FILTER numbrel_license_lines EXCLUDE REGEX "^MIT License$")
list(POP_FRONT numbrel_license_lines numbrel_blank numbrel_copyright)
string(REGEX REPLACE "^Copyright \\(c\\) " "" NUMBREL_COPYRIGHT "${numbrel_copyright}")
set(NUMBREL_LICENSE_TEXT "")
foreach(line IN LISTS numbrel_license_lines)
  if(line STREQUAL "")
    string(APPEND NUMBREL_LICENSE_TEXT " .\n")
  else()
    string(APPEND NUMBREL_LICENSE_TEXT " ${line}\n")
  endif()
endforeach()
string(REGEX REPLACE "^ \\.\n(.*)\n$" "\\1" NUMBREL_LICENSE_TEXT "${NUMBREL_LICENSE_TEXT}")
configure_file(${PROJECT_SOURCE_DIR}/res/debian/copyright.in ${numbrel_generated}/copyright @ONLY)

numbrel_gzip(${NUMBREL_CHANGELOG} ${numbrel_generated}/changelog.gz)
set(numbrel_data ${numbrel_generated}/changelog.gz)
install(FILES ${numbrel_generated}/copyright ${numbrel_generated}/changelog.gz
        DESTINATION ${numbrel_doc_dir})

# A program installed without the compilers' identification notes (the
# .comment section), of no use in an installed program.
function(numbrel_install_program target)
  install(TARGETS ${target})
  set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>")
  install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"${installed}\"
                                COMMAND_ERROR_IS_FATAL ANY)")
endfunction()

# A man page made from a program's --help and --version, with the sections
# --help does not hold from res/PROGRAM.h2m.
function(numbrel_man_page program name)
  set(page ${numbrel_generated}/${program}.1)
  add_custom_command(OUTPUT ${page}
    COMMAND ${NUMBREL_AT_RELEASE_TIME} QT_QPA_PLATFORM=offscreen
            ${NUMBREL_HELP2MAN} --no-info --no-discard-stderr --name=${name}
            --section=1 --include=${PROJECT_SOURCE_DIR}/res/${program}.h2m
            --output=${page} $<TARGET_FILE:${program}>
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/res/${program}.h2m
    VERBATIM)
  numbrel_gzip(${page} ${page}.gz)
  set(numbrel_data ${numbrel_data} ${page}.gz PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TARGET numbrel-cli)
  numbrel_install_program(numbrel-cli)
  numbrel_man_page(numbrel-cli "exact answers for whole numbers on a terminal")

  # The shell completions, written from the command table and the options by
  # numbrel_completions, each where its shell looks for a package's own.
  set(NUMBREL_COMPLETIONS ${numbrel_generated}/completions)
  foreach(entry bash:numbrel-cli:bash-completion/completions
                zsh:_numbrel-cli:zsh/vendor-completions
                fish:numbrel-cli.fish:fish/vendor_completions.d)
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 shell)
    list(GET entry 1 file)
    list(GET entry 2 folder)
    add_custom_command(OUTPUT ${NUMBREL_COMPLETIONS}/${file}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${NUMBREL_COMPLETIONS}
      COMMAND numbrel_completions ${shell} > ${NUMBREL_COMPLETIONS}/${file}
      DEPENDS numbrel_completions
      VERBATIM)
    list(APPEND numbrel_data ${NUMBREL_COMPLETIONS}/${file})
    install(FILES ${NUMBREL_COMPLETIONS}/${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/${folder})
  endforeach()
endif()

if(TARGET numbrel)
  numbrel_install_program(numbrel)
  numbrel_man_page(numbrel "exact answers for whole numbers in a desktop window")
  configure_file(${PROJECT_SOURCE_DIR}/res/numbrel.desktop.in
                 ${numbrel_generated}/${NUMBREL_APP_ID}.desktop @ONLY)
  install(FILES ${numbrel_generated}/${NUMBREL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${PROJECT_SOURCE_DIR}/res/numbrel.metainfo.xml.in
                 ${numbrel_generated}/${NUMBREL_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${numbrel_generated}/${NUMBREL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon theme's sizes, drawn from the one scalable picture.
  find_program(NUMBREL_RSVG_CONVERT rsvg-convert REQUIRED)
  set(numbrel_svg ${PROJECT_SOURCE_DIR}/res/numbrel.svg)
  install(FILES ${numbrel_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${NUMBREL_APP_ID}.svg)
  foreach(size 16 32 48 64 128)
    set(png ${numbrel_generated}/icons/${size}x${size}/${NUMBREL_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${numbrel_generated}/icons/${size}x${size}
      COMMAND ${NUMBREL_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${numbrel_svg}
      DEPENDS ${numbrel_svg}
      VERBATIM)
    list(APPEND numbrel_data ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

add_custom_target(numbrel_installed_data ALL DEPENDS ${numbrel_data})
