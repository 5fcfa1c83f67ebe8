# The bridge's engine taken from a CEF binary distribution at BRIVON_CEF_ROOT.
#
# With MSVC or on Linux, through the distribution's own CMake support: its cmake/FindCEF.cmake
# sets up the platform flags and names the wrapper library's source directory, which is built
# here as libcef_dll_wrapper. With MinGW, whose flags that support does not know, the wrapper is
# described by CefWrapperMinGW.cmake from the distribution's file lists.
if(NOT EXISTS "${BRIVON_CEF_ROOT}/include/cef_app.h")
  message(FATAL_ERROR "BRIVON_CEF_ROOT=${BRIVON_CEF_ROOT} does not hold a CEF binary distribution")
endif()
set(CEF_ROOT "${BRIVON_CEF_ROOT}")

if(WIN32 AND NOT MSVC)
  include(CefWrapperMinGW)
  set(CEF_STANDARD_LIBS "")
else()
  if(MSVC)
    # The distribution's flags build the wrapper against the static runtime (/MT); the bridge
    # and brivon-sub link that same runtime.
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  endif()
  list(APPEND CMAKE_MODULE_PATH "${CEF_ROOT}/cmake")
  find_package(CEF REQUIRED)
  if(NOT TARGET libcef_dll_wrapper)
    add_subdirectory(${CEF_LIBCEF_DLL_WRAPPER_PATH} ${CMAKE_BINARY_DIR}/libcef_dll_wrapper)
  endif()
  if(NOT MSVC)
    # GCC 12 sees subscripts past the end of a 32-byte object in a few generated cpptoc files
    # (server_handler, the views delegates) where there are none; the engine's -Werror would
    # make that false positive stop the build. It stays a warning, for this target only.
    target_compile_options(libcef_dll_wrapper PRIVATE -Wno-error=array-bounds)
  endif()
endif()

# A distribution holds the core library in Debug/ and Release/ only: every other build type
# links the release one (the distribution's CMake would name a directory after the build type).
set(BRIVON_CEF_BINARY_DIR "${CEF_ROOT}/$<IF:$<CONFIG:Debug>,Debug,Release>")
if(WIN32)
  set(BRIVON_CEF_CORE_LIBRARY "${BRIVON_CEF_BINARY_DIR}/libcef.lib")
else()
  set(BRIVON_CEF_CORE_LIBRARY "${BRIVON_CEF_BINARY_DIR}/libcef.so")
endif()

add_library(brivon_engine INTERFACE)
# A system directory: the engine's own headers would otherwise bury the bridge's warnings.
target_include_directories(brivon_engine SYSTEM INTERFACE ${CEF_ROOT})
target_link_libraries(brivon_engine INTERFACE libcef_dll_wrapper ${CEF_STANDARD_LIBS}
  ${BRIVON_CEF_CORE_LIBRARY})
