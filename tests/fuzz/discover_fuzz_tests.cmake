# Asks the built fuzzer for its commands ("NAME RUNS" a line) and writes one
# bounded fuzz test for each to OUT.
execute_process(COMMAND ${CMAKE_COMMAND} -E env NUMBREL_FUZZ_LIST=1 ${FUZZER}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} could not list its commands: ${status}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([a-z-]+) ([0-9]+)$")
    continue()
  endif()
  set(name ${CMAKE_MATCH_1})
  file(MAKE_DIRECTORY ${WORK}/${name})
  string(APPEND tests
    "add_test(fuzz.${name} \"${FUZZER}\" -runs=${CMAKE_MATCH_2} -max_len=120000 -timeout=10 "
    "-rss_limit_mb=4096 -print_final_stats=1 \"${WORK}/${name}\" \"${CORPUS}/${name}\")\n"
    "set_tests_properties(fuzz.${name} PROPERTIES ENVIRONMENT NUMBREL_FUZZ_COMMAND=${name})\n")
endforeach()
if(tests STREQUAL "")
  message(FATAL_ERROR "${FUZZER} listed no command")
endif()
file(WRITE ${OUT} "${tests}")
