# Fails unless the resources of a PE file are of exactly the listed types, each present, none
# other (for example no version record, type 16).
#
#   cmake -DFILE=<exe> -DTYPES=<type number>,... [-DWRESTOOL=<wrestool>] -P CheckPeResourceTypes.cmake
include(${CMAKE_CURRENT_LIST_DIR}/PeInspect.cmake)
pe_require_args(FILE TYPES)

pe_resource_listing("${FILE}" "" listing)
string(REGEX MATCHALL "--type=[^ \n]+" found "${listing}")
list(TRANSFORM found REPLACE "^--type=" "")
list(REMOVE_DUPLICATES found)
string(REPLACE "," ";" wanted "${TYPES}")

set(missing ${wanted})
if(found)
  list(REMOVE_ITEM missing ${found})
endif()
set(extra ${found})
list(REMOVE_ITEM extra ${wanted})
if(missing OR extra)
  message(FATAL_ERROR "${FILE}: resource types differ from ${TYPES}\n"
    "missing: ${missing}\nextra: ${extra}\nlisting:\n${listing}")
endif()
message(STATUS "${FILE}: resource types ${TYPES} and no others")
