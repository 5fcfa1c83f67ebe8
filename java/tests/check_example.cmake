# Runs the example client once and judges the run: the command must succeed, its output must show
# the road end to end (resource served, query answered, paint received), the page and each file
# it declares served once, and no JNI warning about the bridge, and the screenshot must be a
# painted frame, not a blank one.
#
#   cmake -DCOMMAND=<program|arg|...> -DSCREENSHOT=<png> -DJAVA=<java> -DCOLOURS=<ImageColours.java>
#         -P check_example.cmake
foreach(var COMMAND SCREENSHOT JAVA COLOURS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_example.cmake needs -D${var}=...")
  endif()
endforeach()
string(REPLACE "|" ";" command "${COMMAND}")
file(REMOVE "${SCREENSHOT}")
get_filename_component(dir "${SCREENSHOT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")

execute_process(COMMAND ${command}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 100)
message("${out}")
if(err)
  message("stderr:\n${err}")
endif()
set(failures "")
if(NOT status EQUAL 0)
  list(APPEND failures "the example ended with ${status}")
endif()
foreach(step "resource served: brivon://example/index.html" "query answered:" "paint received:")
  string(FIND "${out}" "road: ${step}" at)
  if(at EQUAL -1)
    list(APPEND failures "no \"road: ${step}\" in the output")
  endif()
endforeach()
# The engine loads the page once, by its navigation, and then what the page declares: each
# response served in full prints one line, the first as the road's step, the others as "served".
foreach(file index.html example.css logo.png)
  string(REGEX MATCHALL "(road: resource served:|\nserved) brivon://example/${file}," served "${out}")
  list(LENGTH served times)
  if(NOT times EQUAL 1)
    list(APPEND failures "brivon://example/${file} served ${times} times, not once")
  endif()
endforeach()
# -Xcheck:jni prints each warning followed by the stack of the native method it happened in,
# whose first frame names that method; other threads' lines may come in between. The JDK's own
# native code has warnings of its own (OpenJDK 17's font scaler, once Swing draws text): those
# are listed but are not the bridge's; any other warning fails the run.
string(REPLACE ";" "," lines "${out}\n${err}")
string(REPLACE "\n" ";" lines "${lines}")
set(warning_ahead "")
foreach(line IN LISTS lines)
  if(warning_ahead AND line MATCHES "^[ \t]*at ")
    if(line MATCHES "^[ \t]*at [^(]+\\(java\\.[a-z.]+@[^/]*/")
      message("not the bridge's: ${warning_ahead} ${line}")
    else()
      list(APPEND failures "the JVM reported \"${warning_ahead}\" ${line}")
    endif()
    set(warning_ahead "")
  endif()
  if(line MATCHES "(WARNING: JNI|WARNING in native method|FATAL ERROR in native method)")
    set(warning_ahead "${line}")
  endif()
endforeach()
if(warning_ahead)
  list(APPEND failures "the JVM reported \"${warning_ahead}\"")
endif()

if(NOT EXISTS "${SCREENSHOT}")
  list(APPEND failures "no screenshot at ${SCREENSHOT}")
else()
  execute_process(COMMAND "${JAVA}" "${COLOURS}" "${SCREENSHOT}"
    RESULT_VARIABLE colour_status OUTPUT_VARIABLE colours ERROR_VARIABLE colour_err TIMEOUT 60)
  string(STRIP "${colours}" colours)
  message("screenshot ${SCREENSHOT}: ${colours}")
  # ImageColours prints "<width> <height> <distinct colours>". A blank or single-colour frame,
  # or the Swing window without the browser's paint in it, has a handful of colours; the
  # engine's frames have thousands.
  if(NOT colour_status EQUAL 0 OR NOT colours MATCHES "^([0-9]+) ([0-9]+) ([0-9]+)$")
    list(APPEND failures "cannot read the screenshot: ${colours}${colour_err}")
  elseif(CMAKE_MATCH_1 LESS 400 OR CMAKE_MATCH_2 LESS 300)
    list(APPEND failures "the screenshot is only ${CMAKE_MATCH_1}x${CMAKE_MATCH_2}")
  elseif(CMAKE_MATCH_3 LESS 1000)
    list(APPEND failures "the screenshot has only ${CMAKE_MATCH_3} colours: not a painted frame")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "example run failed:\n  ${text}")
endif()
