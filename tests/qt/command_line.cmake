# Runs the built numbrel as a person would from a terminal, where no window
# opens: each case its arguments, the status and the one line on standard
# error. Every case runs without a display.
#   cmake -DPROGRAM=numbrel -P command_line.cmake
set(no_display "numbrel: there is no display to open the window on; numbrel-cli is the same calculator on a terminal\n")
set(usage_hint " (try 'numbrel --help')\n")
set(cases
  "WithoutADisplaySaysSoAndNamesTheTerminalProgram|1|NO_DISPLAY"
  "AnUnknownOptionIsAUsageError|2|numbrel: unknown option '--bogus'${usage_hint}|--bogus"
  "AnUnknownSingleDashOptionToo|2|numbrel: unknown option '-bogus'${usage_hint}|-bogus"
  "QtsOwnOptionsAreNoUsageError|1|NO_DISPLAY|-style|fusion|-reverse"
  "AMissingValueIsAUsageError|2|numbrel: Missing value after '-platform'.${usage_hint}|-platform"
  "AnUnknownCommandIsAUsageError|2|numbrel: unknown command 'add'${usage_hint}|add|1|2"
  "AMissingFieldIsAUsageError|2|numbrel: divide needs FIRST and SECOND${usage_hint}|divide|1"
  "AnExtraFieldIsAUsageError|2|numbrel: bits takes only NUMBER${usage_hint}|-style|fusion|bits|1|2"
  "ACallIsJudgedBeforeTheDisplay|1|NO_DISPLAY|divide|--|-1|-x"
  "DashesAfterTheCommandAreFieldTexts|1|NO_DISPLAY|binary|--|-reverse")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(POP_FRONT parts name expected_status expected_err)
  # The line holds a ";", which a list of cases cannot.
  if(expected_err STREQUAL "NO_DISPLAY")
    set(expected_err "${no_display}")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${PROGRAM} ${parts}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status STREQUAL expected_status OR NOT err STREQUAL expected_err OR NOT out STREQUAL "")
    message(SEND_ERROR "${name}: status ${status}, standard error '${err}', output '${out}'")
  endif()
endforeach()
