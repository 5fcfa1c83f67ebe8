# Fails unless the export table of a PE file names exactly the expected set of symbols.
#
#   cmake -DFILE=<dll> -DEXPECTED=<file, one export name per line> [-DOBJDUMP=<objdump>] -P CheckPeExports.cmake
#
# Names are compared exactly, decoration included (_name@12 is not name@12 nor name). Blank
# lines and lines starting with # in the expected file are skipped. Missing and extra names are
# printed.
include(${CMAKE_CURRENT_LIST_DIR}/PeInspect.cmake)
pe_require_args(FILE EXPECTED)

file(STRINGS "${EXPECTED}" expected_lines)
set(expected "")
foreach(line IN LISTS expected_lines)
  string(STRIP "${line}" name)
  if(NOT name STREQUAL "" AND NOT name MATCHES "^#")
    list(APPEND expected "${name}")
  endif()
endforeach()

pe_export_names("${FILE}" actual)

set(missing ${expected})
if(actual)
  list(REMOVE_ITEM missing ${actual})
endif()
set(extra ${actual})
if(expected)
  list(REMOVE_ITEM extra ${expected})
endif()
list(LENGTH actual actual_count)
list(LENGTH expected expected_count)
set(duplicates ${actual})
list(REMOVE_DUPLICATES duplicates)
list(LENGTH duplicates unique_count)

if(missing OR extra OR NOT unique_count EQUAL actual_count)
  string(REPLACE ";" "\n  " missing_text "${missing}")
  string(REPLACE ";" "\n  " extra_text "${extra}")
  message(FATAL_ERROR "${FILE}: export table differs from ${EXPECTED} "
    "(${actual_count} exported, ${expected_count} expected)\n"
    "missing:\n  ${missing_text}\nextra:\n  ${extra_text}")
endif()
message(STATUS "${FILE}: ${actual_count} exports as expected")
