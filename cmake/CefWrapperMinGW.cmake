# The engine's wrapper library (libcef_dll_wrapper) built with MinGW from a Windows distribution
# at CEF_ROOT. The distribution's libcef_dll/CMakeLists.txt and cmake/ files are written for MSVC
# (its flags, its lib.exe names), so the target is described here: the sources are the lists the
# distribution ships in cef_paths.gypi and cef_paths2.gypi, compiled as they are.
include(CefMinGW)

# The .cc files of the named lists of a gyp include file of the distribution.
function(brivon_cef_gypi_sources gypi out)
  file(READ ${CEF_ROOT}/${gypi} text)
  set(sources "")
  foreach(list_name ${ARGN})
    if(NOT text MATCHES "'${list_name}': \\[([^]]*)\\]")
      message(FATAL_ERROR "${CEF_ROOT}/${gypi} has no list '${list_name}'")
    endif()
    string(REGEX MATCHALL "'[^']+\\.cc'" entries "${CMAKE_MATCH_1}")
    foreach(entry ${entries})
      string(REPLACE "'" "" entry "${entry}")
      list(APPEND sources ${CEF_ROOT}/${entry})
    endforeach()
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

brivon_cef_gypi_sources(cef_paths.gypi generated autogen_client_side)
brivon_cef_gypi_sources(cef_paths2.gypi handwritten
  libcef_dll_wrapper_sources_base libcef_dll_wrapper_sources_common)
set(BRIVON_CEF_WRAPPER_SOURCES ${generated} ${handwritten})
list(REMOVE_DUPLICATES BRIVON_CEF_WRAPPER_SOURCES)

add_library(libcef_dll_wrapper STATIC ${BRIVON_CEF_WRAPPER_SOURCES})
target_include_directories(libcef_dll_wrapper SYSTEM PUBLIC ${CEF_ROOT})
target_compile_definitions(libcef_dll_wrapper
  PUBLIC ${BRIVON_CEF_MINGW_DEFINITIONS} $<$<NOT:$<CONFIG:Debug>>:NDEBUG>
  # The wrapper's own sources, not the code that uses it.
  PRIVATE WRAPPING_CEF_SHARED)
target_compile_options(libcef_dll_wrapper PUBLIC ${BRIVON_CEF_MINGW_FLAGS}
  # The bridge includes <cstring> itself (engine/prelude.h); the wrapper's sources, as they
  # are, get it forced in. The rest as the engine's GCC builds compile the wrapper; its
  # attributes for Clang's control-flow checks mean nothing to GCC, which would say so at
  # every generated call.
  PRIVATE ${BRIVON_CEF_MINGW_FORCED_INCLUDE} -fno-exceptions -fno-rtti -Wno-attributes)
set_target_properties(libcef_dll_wrapper PROPERTIES PREFIX "")
