# Runs the built numbrel-cli as a script would and checks its output and status.
execute_process(COMMAND ${CLI} binary 1011 OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "11\n")
  message(FATAL_ERROR "binary 1011 gave status ${status} and '${out}'")
endif()
execute_process(COMMAND ${CLI} frobnicate ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "an unknown command gave status ${status}: ${err}")
endif()
