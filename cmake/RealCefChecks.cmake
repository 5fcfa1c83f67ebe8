# The checks of a build against a real distribution (BRIVON_CEF_ROOT): each deliverable takes
# the engine from the distribution's core library, every engine function it needs being there
# (cmake/CheckEngineImports.cmake). The Windows deliverables' machine type, subsystem and export
# table are checked as in every 32-bit build.
if(WIN32)
  set(core ${BRIVON_CEF_BINARY_DIR}/libcef.dll)
else()
  set(core ${BRIVON_CEF_CORE_LIBRARY})
endif()
foreach(target brivon brivon-legacy brivon-sub)
  set(command ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -DCORE=${core}
              -P ${PROJECT_SOURCE_DIR}/cmake/CheckEngineImports.cmake)
  if(WIN32)
    brivon_cross_test(NAME ${target}.engine-imports COMMAND ${command})
  else()
    add_test(NAME ${target}.engine-imports COMMAND ${command})
  endif()
endforeach()
