# Shared by the PE artifact checks (cmake -P scripts).

function(pe_require_args)
  foreach(arg ${ARGN})
    if(NOT DEFINED ${arg} OR "${${arg}}" STREQUAL "")
      message(FATAL_ERROR "-D${arg}=... is required")
    endif()
  endforeach()
  if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} does not exist")
  endif()
endfunction()

# The output of objdump -p for the file. OBJDUMP may name a specific objdump; the host's
# objdump and MinGW's both read PE32 and PE32+.
function(pe_private_headers file out)
  if(NOT OBJDUMP)
    find_program(OBJDUMP NAMES objdump x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump)
  endif()
  if(NOT OBJDUMP)
    message(FATAL_ERROR "objdump not found")
  endif()
  execute_process(COMMAND "${OBJDUMP}" -p "${file}"
    OUTPUT_VARIABLE dump ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${file} failed (${status}): ${errors}")
  endif()
  set(${out} "${dump}" PARENT_SCOPE)
endfunction()
