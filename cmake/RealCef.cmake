# The bridge's engine taken from a CEF binary distribution at BRIVON_CEF_ROOT, through the
# distribution's own CMake support: its cmake/FindCEF.cmake sets up the platform flags and
# names the wrapper library's source directory, which is built here as libcef_dll_wrapper.
if(NOT EXISTS "${BRIVON_CEF_ROOT}/include/cef_app.h")
  message(FATAL_ERROR "BRIVON_CEF_ROOT=${BRIVON_CEF_ROOT} does not hold a CEF binary distribution")
endif()
set(CEF_ROOT "${BRIVON_CEF_ROOT}")
list(APPEND CMAKE_MODULE_PATH "${CEF_ROOT}/cmake")
find_package(CEF REQUIRED)
if(NOT TARGET libcef_dll_wrapper)
  add_subdirectory(${CEF_LIBCEF_DLL_WRAPPER_PATH} ${CMAKE_BINARY_DIR}/libcef_dll_wrapper)
endif()

add_library(brivon_engine INTERFACE)
# A system directory: the engine's own headers would otherwise bury the bridge's warnings.
target_include_directories(brivon_engine SYSTEM INTERFACE ${CEF_ROOT})
target_link_libraries(brivon_engine INTERFACE libcef_dll_wrapper ${CEF_STANDARD_LIBS})
if(WIN32)
  target_link_libraries(brivon_engine INTERFACE ${CEF_BINARY_DIR}/libcef.lib)
else()
  target_link_libraries(brivon_engine INTERFACE ${CEF_BINARY_DIR}/libcef.so)
endif()
