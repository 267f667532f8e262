# The Windows download: a zip of the stripped program file, a README.txt and
# the licence as LICENSE.txt, both with Windows line ends. Built with the
# program, into the preset's package/ folder (NUMBREL_ZIP): -win32.zip for the
# 32-bit program, -win64.zip for the 64-bit one.
set(numbrel_zip_dir ${PROJECT_BINARY_DIR}/package)
set(numbrel_zip_files ${numbrel_zip_dir}/files)
set(NUMBREL_ZIP ${numbrel_zip_dir}/EzosNumbrel-${PROJECT_VERSION}-${NUMBREL_WINDOWS_PLATFORM}.zip)

configure_file(${PROJECT_SOURCE_DIR}/res/windows-readme.txt.in ${numbrel_zip_files}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${numbrel_zip_files}/LICENSE.txt
               @ONLY NEWLINE_STYLE CRLF)

add_custom_command(OUTPUT ${NUMBREL_ZIP}
  COMMAND ${CMAKE_STRIP} --strip-all -o ${numbrel_zip_files}/EzosNumbrel.exe
          $<TARGET_FILE:EzosNumbrel>
  COMMAND ${CMAKE_COMMAND} -E rm -f ${NUMBREL_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${numbrel_zip_files}
          ${CMAKE_COMMAND} -E tar cf ${NUMBREL_ZIP} --format=zip
          EzosNumbrel.exe README.txt LICENSE.txt
  DEPENDS EzosNumbrel ${numbrel_zip_files}/README.txt ${numbrel_zip_files}/LICENSE.txt
  COMMENT "Packing the Windows download"
  VERBATIM)
add_custom_target(numbrel_windows_download ALL DEPENDS ${NUMBREL_ZIP})
