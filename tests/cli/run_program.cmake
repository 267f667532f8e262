# Runs the built numbrel-cli as a script would: its output and status, a write
# to a full device, and its version against the project's.
execute_process(COMMAND ${CLI} binary 1011 OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "11\n")
  message(FATAL_ERROR "binary 1011 gave status ${status} and '${out}'")
endif()
execute_process(COMMAND ${CLI} bits 262144 OUTPUT_FILE /dev/full ERROR_VARIABLE err
                RESULT_VARIABLE status)
if(NOT status EQUAL 3 OR NOT err MATCHES "^numbrel-cli: cannot write the output: [^\n]*\n$")
  message(FATAL_ERROR "a write to /dev/full gave status ${status} and '${err}'")
endif()
execute_process(COMMAND ${CLI} --version OUTPUT_VARIABLE out)
if(NOT out STREQUAL "numbrel-cli (Ezo's Numbrel) ${VERSION}\n")
  message(FATAL_ERROR "--version says '${out}', the project ${VERSION}")
endif()
