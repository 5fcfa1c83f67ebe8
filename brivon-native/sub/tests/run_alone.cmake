# Runs brivon-sub as a person would, without the engine's process type, and fails unless it
# ends with EXIT_CODE and writes nothing.
#
#   cmake -DPROGRAM=<brivon-sub> -DEXIT_CODE=<n> [-DARGS=<a,b,...>] -P run_alone.cmake
string(REPLACE "," ";" args "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${args}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
set(failures "")
if(NOT status STREQUAL "${EXIT_CODE}")
  list(APPEND failures "exit status '${status}', expected ${EXIT_CODE}")
endif()
if(NOT out STREQUAL "")
  list(APPEND failures "wrote to standard output:\n${out}")
endif()
if(NOT err STREQUAL "")
  list(APPEND failures "wrote to standard error:\n${err}")
endif()
if(failures)
  string(REPLACE ";" "\n  " text "${failures}")
  message(FATAL_ERROR "${PROGRAM} ${args}:\n  ${text}")
endif()
