# The Win32 test bed of the 64-bit cross build: Wine, its prefix, a cross-built GoogleTest, and
# a one-liner for a GoogleTest program that runs under Wine as one ctest test.
#
#   brivon_wine_gtest(<target> SOURCES <src>... [LIBRARIES <lib>...] [WORKING_DIRECTORY <dir>])
#
# builds the x86_64 program <target> from the sources with GoogleTest's main, links the libraries,
# and declares the ctest test <target> that runs the whole program once under Wine (every test case
# in one Wine process). The program is written to the current binary directory, so a DLL target of
# the same directory is found beside it at run time. Test programs compile for Windows 10 with
# the wide-character API (UNICODE, NOMINMAX).
#
# Also defined here:
#   BRIVON_WINE_RUNNER   the script that runs a Windows program under the test bed's Wine
#                        (used by brivon_cross_test(... WINE ...));
#   brivon_gtest         GoogleTest as a static x86_64 library (brivon_gtest_main adds main());
#   the ctest fixture "wine": wine-prefix-start initialises the prefix (inside this build tree)
#                        and keeps the Wine server alive for the run, wine-prefix-stop ends it.

find_program(BRIVON_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(BRIVON_WINE64 NAMES wine64 wine)
find_program(BRIVON_WINESERVER NAMES wineserver PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(BRIVON_WINESERVER NAMES wineserver)
if(NOT BRIVON_WINE64 OR NOT BRIVON_WINESERVER)
  message(FATAL_ERROR "64-bit Wine not found: install the packages of tools/debian-packages.txt")
endif()

set(BRIVON_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(BRIVON_WINE_RUNNER ${CMAKE_BINARY_DIR}/wine-run.sh)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${BRIVON_WINE_RUNNER}
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

string(CONCAT fixture_tests
  "add_test([==[wine-prefix-start]==] [==[${BRIVON_WINE_RUNNER}]==] --start)\n"
  "set_tests_properties([==[wine-prefix-start]==] PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine-display TIMEOUT 180)\n"
  "add_test([==[wine-prefix-stop]==] [==[${BRIVON_WINE_RUNNER}]==] --stop)\n"
  "set_tests_properties([==[wine-prefix-stop]==] PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine-display TIMEOUT 60)\n")
set_property(GLOBAL APPEND_STRING PROPERTY BRIVON_CROSS_TESTS "${fixture_tests}")

set(BRIVON_GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources to cross-build for the Wine tests")
if(NOT EXISTS ${BRIVON_GTEST_SOURCE_DIR}/src/gtest-all.cc)
  message(FATAL_ERROR "GoogleTest sources not found in ${BRIVON_GTEST_SOURCE_DIR}: install googletest")
endif()
add_library(brivon_gtest STATIC ${BRIVON_GTEST_SOURCE_DIR}/src/gtest-all.cc)
target_include_directories(brivon_gtest SYSTEM PUBLIC ${BRIVON_GTEST_SOURCE_DIR}/include)
target_include_directories(brivon_gtest PRIVATE ${BRIVON_GTEST_SOURCE_DIR})
add_library(brivon_gtest_main STATIC ${BRIVON_GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_link_libraries(brivon_gtest_main PUBLIC brivon_gtest)

function(brivon_wine_gtest target)
  cmake_parse_arguments(G "" "WORKING_DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT G_SOURCES)
    message(FATAL_ERROR "brivon_wine_gtest(${target}) needs SOURCES")
  endif()
  add_executable(${target} ${G_SOURCES})
  target_link_libraries(${target} PRIVATE brivon_gtest_main ${G_LIBRARIES})
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)
  brivon_warnings(${target})
  brivon_cross_test(NAME ${target} WINE COMMAND $<TARGET_FILE:${target}>)
  if(G_WORKING_DIRECTORY)
    set_property(GLOBAL APPEND_STRING PROPERTY BRIVON_CROSS_TESTS
      "set_tests_properties([==[${target}]==] PROPERTIES WORKING_DIRECTORY [==[${G_WORKING_DIRECTORY}]==])\n")
  endif()
endfunction()
