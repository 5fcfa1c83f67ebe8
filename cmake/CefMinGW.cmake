# What MinGW needs to compile against a CEF binary distribution made for Windows, whose own CMake
# support and headers assume MSVC. Used by the MinGW real-engine build (RealCef.cmake) and by the
# engine-header check of the bridge sources.
#
#   BRIVON_CEF_MINGW_HEADERS   a directory of our headers, searched after the distribution's
#                              (-idirafter): it stands in for the GCC atomic operations header
#                              that cef_atomicops.h selects for GCC on x86 and that a Windows
#                              distribution does not ship;
#   BRIVON_CEF_MINGW_FLAGS     compiler flags for every source that includes the engine's
#                              headers: the search directory above;
#   BRIVON_CEF_MINGW_FORCED_INCLUDE  <cstring> forced in, for sources of the engine's that
#                              include include/internal/cef_string_wrappers.h, which calls strlen
#                              without including it (MSVC's <string> happens to provide it,
#                              libstdc++'s does not);
#   BRIVON_CEF_MINGW_DEFINITIONS  the platform definitions the distribution's CMake gives MSVC
#                              builds (cmake/cef_variables.cmake), which the engine's headers
#                              and the wrapper's sources expect.
include_guard(GLOBAL)

set(BRIVON_CEF_MINGW_HEADERS ${CMAKE_BINARY_DIR}/cef-mingw/include-after)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cef-mingw/cef_atomicops_gcc.h
  ${BRIVON_CEF_MINGW_HEADERS}/include/base/internal/cef_atomicops_x86_gcc.h COPYONLY)
set(BRIVON_CEF_MINGW_FLAGS -idirafter ${BRIVON_CEF_MINGW_HEADERS})
set(BRIVON_CEF_MINGW_FORCED_INCLUDE -include cstring)
set(BRIVON_CEF_MINGW_DEFINITIONS WIN32 _WIN32 _WINDOWS UNICODE _UNICODE
    WINVER=0x0601 _WIN32_WINNT=0x601 NOMINMAX WIN32_LEAN_AND_MEAN
    __STDC_CONSTANT_MACROS __STDC_FORMAT_MACROS)
