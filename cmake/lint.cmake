# clang-tidy by the checks in .clang-tidy over every source file of the core,
# numbrel-cli and the Qt shell: one test a file, labelled lint, so that ctest
# runs them side by side (`make lint` runs only these). A file passes with no
# finding at all; the headers are checked with the files that include them.
find_program(NUMBREL_CLANG_TIDY clang-tidy REQUIRED)
set(numbrel_lint_folders ops form commands)
if(TARGET numbrel_cli)
  list(APPEND numbrel_lint_folders app/cli)
endif()
if(TARGET numbrel_qt)
  list(APPEND numbrel_lint_folders app/qt)
endif()
foreach(folder IN LISTS numbrel_lint_folders)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
    add_test(NAME lint.${name}
             COMMAND ${NUMBREL_CLANG_TIDY} -p ${PROJECT_BINARY_DIR} --quiet ${source})
    set_tests_properties(lint.${name} PROPERTIES LABELS lint TIMEOUT 600)
  endforeach()
endforeach()
