# Host side of the Windows builds: configures and builds this same source tree twice more
# with MinGW-w64 (win32: PE32 deliverables, win64: panehost and the Wine test programs) and
# folds the tests those builds declare (cmake/CrossTests.cmake) into this build's ctest run.
include(ExternalProject)

set(BRIVON_CROSS_DIRS "")
foreach(arch i686 x86_64)
  if(arch STREQUAL "i686")
    set(name win32)
    # The 32-bit build compiles the bridge, which needs the JDK's jni.h.
    set(extra_args -DBRIVON_JDK_INCLUDE_DIR=${JAVA_INCLUDE_PATH}
                   -DBRIVON_CEF_ROOT=${BRIVON_CEF_WINDOWS_ROOT})
  else()
    set(name win64)
    set(extra_args "")
  endif()
  set(dir ${CMAKE_BINARY_DIR}/${name})
  ExternalProject_Add(${name}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${dir}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-mingw-${arch}.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      ${extra_args}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  list(APPEND BRIVON_CROSS_DIRS ${dir})
endforeach()

# The cross builds write their test lists only when they are configured, which happens at
# build time; include them when they exist so that a plain configure still gives a valid ctest.
set(include_file ${CMAKE_BINARY_DIR}/cross-tests-include.cmake)
file(WRITE ${include_file} "")
foreach(dir ${BRIVON_CROSS_DIRS})
  file(APPEND ${include_file} "if(EXISTS \"${dir}/cross-tests.cmake\")\n  include(\"${dir}/cross-tests.cmake\")\nendif()\n")
endforeach()
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
