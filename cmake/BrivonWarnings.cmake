# One place for the warning flags every target of the project builds with.
function(brivon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
