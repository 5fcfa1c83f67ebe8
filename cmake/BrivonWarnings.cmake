# One place for the warning flags every target of the project builds with.
function(brivon_warnings target)
  if(MSVC)
    # The real-engine build with the distribution's own CMake support on Windows.
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()
