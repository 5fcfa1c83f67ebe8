# Compiles each bridge source, syntax only, against a CEF binary distribution's headers; a
# source that holds a legacy difference is compiled once more as the legacy build. Engine
# headers are system headers here as in the real-engine build, so -Werror holds the bridge's
# own code to the project's warnings.
#
# Run with cmake -P and: COMPILER, ROOT (the distribution), SOURCES, FLAGS (further compiler
# flags, include directories among them); the lists separated by "|".
foreach(var COMPILER ROOT SOURCES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckEngineHeaders: ${var} is not set")
  endif()
endforeach()
string(REPLACE "|" ";" SOURCES "${SOURCES}")
string(REPLACE "|" ";" FLAGS "${FLAGS}")

set(failed "")
foreach(source ${SOURCES})
  file(STRINGS ${source} legacy_lines REGEX "BRIVON_LEGACY")
  set(variants "-UBRIVON_LEGACY")
  if(legacy_lines)
    list(APPEND variants "-DBRIVON_LEGACY")
  endif()
  foreach(variant ${variants})
    execute_process(
      COMMAND ${COMPILER} -std=c++17 -fsyntax-only -Wall -Wextra -Werror ${variant}
              -isystem ${ROOT} ${FLAGS} ${source}
      RESULT_VARIABLE result
      ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
      message("${source} (${variant}):\n${errors}")
      list(APPEND failed "${source} (${variant})")
    endif()
  endforeach()
endforeach()

if(failed)
  list(JOIN failed "\n  " lines)
  message(FATAL_ERROR "Not compiled against ${ROOT}:\n  ${lines}")
endif()
