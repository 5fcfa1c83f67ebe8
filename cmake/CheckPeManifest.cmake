# Fails unless a PE file carries exactly one manifest resource (type 24), named NAME (default 1),
# whose text equals the EXPECTED file (line endings and surrounding white space aside).
#
#   cmake -DFILE=<exe> -DEXPECTED=<manifest file> [-DNAME=1] [-DWRESTOOL=<wrestool>] -P CheckPeManifest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/PeInspect.cmake)
pe_require_args(FILE EXPECTED)
if(NOT NAME)
  set(NAME 1)
endif()
pe_find_wrestool()

pe_require_single_resource("${FILE}" 24 ${NAME} "manifest resource")

execute_process(COMMAND "${WRESTOOL}" -x --raw --type=24 --name=${NAME} "${FILE}"
  OUTPUT_VARIABLE embedded ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wrestool -x ${FILE} failed (${status}): ${errors}")
endif()
file(READ "${EXPECTED}" wanted)
foreach(var embedded wanted)
  string(REPLACE "\r\n" "\n" ${var} "${${var}}")
  string(STRIP "${${var}}" ${var})
endforeach()
if(NOT embedded STREQUAL wanted)
  message(FATAL_ERROR "${FILE}: manifest resource ${NAME} differs from ${EXPECTED}\n"
    "embedded:\n${embedded}\nexpected:\n${wanted}")
endif()
message(STATUS "${FILE}: manifest resource ${NAME} as expected")
