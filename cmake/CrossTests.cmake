# Tests declared by a cross build. They run in the host's ctest (see CrossBuilds.cmake):
# each call records one test, and at the end of configure the list is written as a ctest
# script that the host build includes.
#
#   brivon_cross_test(NAME <name> [WINE] COMMAND <command> [args...])
#
# Generator expressions such as $<TARGET_FILE:panehost> are allowed in the command.
# WINE runs the command under the 64-bit Wine of the test bed (${BRIVON_WINE_RUNNER}) and
# makes the test depend on the fixture that prepares the Wine prefix; only the 64-bit build has
# Wine (cmake/WineTestBed.cmake, which also gives brivon_wine_gtest for GoogleTest programs).
set_property(GLOBAL PROPERTY BRIVON_CROSS_TESTS "")

function(brivon_cross_test)
  cmake_parse_arguments(T "WINE" "NAME" "COMMAND" ${ARGN})
  if(NOT T_NAME OR NOT T_COMMAND)
    message(FATAL_ERROR "brivon_cross_test needs NAME and COMMAND")
  endif()
  set(cmd "")
  if(T_WINE AND NOT BRIVON_WINE_RUNNER)
    message(FATAL_ERROR "brivon_cross_test(${T_NAME}): WINE tests run only in the 64-bit cross build")
  endif()
  if(T_WINE)
    set(cmd "[==[${BRIVON_WINE_RUNNER}]==]")
  endif()
  foreach(arg ${T_COMMAND})
    string(APPEND cmd " [==[${arg}]==]")
  endforeach()
  set(text "add_test([==[${T_NAME}]==] ${cmd})\n")
  if(T_WINE)
    string(APPEND text "set_tests_properties([==[${T_NAME}]==] PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine-display)\n")
  endif()
  set_property(GLOBAL APPEND_STRING PROPERTY BRIVON_CROSS_TESTS "${text}")
endfunction()

function(brivon_write_cross_tests)
  get_property(text GLOBAL PROPERTY BRIVON_CROSS_TESTS)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/cross-tests.cmake CONTENT "${text}")
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL brivon_write_cross_tests)
# A cross build configured on its own (the real-engine checks of tools/test.sh) runs them in
# its own ctest too.
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/cross-tests.cmake)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  include(WineTestBed)
endif()
