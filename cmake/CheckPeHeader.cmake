# Fails unless a PE file has the expected optional-header kind and, when given, subsystem.
#
#   cmake -DFILE=<exe or dll> -DMACHINE=PE32|PE32+ [-DSUBSYSTEM=GUI|CONSOLE] [-DOBJDUMP=<objdump>]
#         -P CheckPeHeader.cmake
#
# PE32 is what a 32-bit (i386) image carries, PE32+ a 64-bit (x86-64) one; the machine field is
# checked to agree.
include(${CMAKE_CURRENT_LIST_DIR}/PeInspect.cmake)
pe_require_args(FILE MACHINE)
pe_private_headers("${FILE}" dump)

if(MACHINE STREQUAL "PE32")
  set(magic "010b")
  set(format "pei-i386")
elseif(MACHINE STREQUAL "PE32+")
  set(magic "020b")
  set(format "pei-x86-64")
else()
  message(FATAL_ERROR "MACHINE must be PE32 or PE32+, not ${MACHINE}")
endif()

set(failures "")
if(NOT dump MATCHES "file format ${format}")
  string(REGEX MATCH "file format [^\n]*" seen "${dump}")
  list(APPEND failures "expected file format ${format}, saw '${seen}'")
endif()
string(REGEX MATCH "\nMagic[ \t]+([0-9a-fA-F]+)" found "${dump}")
string(TOLOWER "${CMAKE_MATCH_1}" seen_magic)
if(NOT seen_magic STREQUAL magic)
  list(APPEND failures "expected optional-header magic ${magic} (${MACHINE}), saw '${seen_magic}'")
endif()

if(DEFINED SUBSYSTEM AND NOT SUBSYSTEM STREQUAL "")
  if(SUBSYSTEM STREQUAL "GUI")
    set(code 2)
  elseif(SUBSYSTEM STREQUAL "CONSOLE")
    set(code 3)
  else()
    message(FATAL_ERROR "SUBSYSTEM must be GUI or CONSOLE, not ${SUBSYSTEM}")
  endif()
  string(REGEX MATCH "\nSubsystem[ \t]+([0-9a-fA-F]+)" found "${dump}")
  if(found)
    math(EXPR seen_code "0x${CMAKE_MATCH_1}")
  else()
    set(seen_code "none")
  endif()
  if(NOT seen_code STREQUAL code)
    list(APPEND failures "expected subsystem ${code} (${SUBSYSTEM}), saw ${seen_code}")
  endif()
endif()

if(failures)
  string(REPLACE ";" "\n  " text "${failures}")
  message(FATAL_ERROR "${FILE}:\n  ${text}")
endif()
message(STATUS "${FILE}: ${MACHINE}${SUBSYSTEM} as expected")
