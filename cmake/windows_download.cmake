# The Windows download: a zip of the stripped program file, a README.txt and
# the licence as LICENSE.txt, both with Windows line ends. Built with the
# program, into the preset's package/ folder (NUMBREL_ZIP): -win32.zip for the
# 32-bit program, -win64.zip for the 64-bit one; the same bytes from the same
# sources: `NUMBREL_ZIP_PACKING ZIP NUMBREL_ZIP_INPUTS` packs it into ZIP
# (scripts/pack-windows-download.sh), as the tests do again elsewhere.
set(numbrel_zip_dir ${PROJECT_BINARY_DIR}/package)
set(numbrel_zip_files ${numbrel_zip_dir}/files)
set(NUMBREL_ZIP ${numbrel_zip_dir}/EzosNumbrel-${PROJECT_VERSION}-${NUMBREL_WINDOWS_PLATFORM}.zip)

configure_file(${PROJECT_SOURCE_DIR}/res/windows-readme.txt.in ${numbrel_zip_files}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${numbrel_zip_files}/LICENSE.txt
               @ONLY NEWLINE_STYLE CRLF)

set(numbrel_pack_script ${PROJECT_SOURCE_DIR}/scripts/pack-windows-download.sh)
set(NUMBREL_ZIP_PACKING ${NUMBREL_AT_RELEASE_TIME} bash ${numbrel_pack_script})
set(NUMBREL_ZIP_INPUTS ${CMAKE_STRIP} $<TARGET_FILE:EzosNumbrel>
    ${numbrel_zip_files}/README.txt ${numbrel_zip_files}/LICENSE.txt)
add_custom_command(OUTPUT ${NUMBREL_ZIP}
  COMMAND ${NUMBREL_ZIP_PACKING} ${NUMBREL_ZIP} ${NUMBREL_ZIP_INPUTS}
  DEPENDS EzosNumbrel ${numbrel_pack_script}
          ${numbrel_zip_files}/README.txt ${numbrel_zip_files}/LICENSE.txt
  COMMENT "Packing the Windows download"
  VERBATIM)
add_custom_target(numbrel_windows_download ALL DEPENDS ${NUMBREL_ZIP})
