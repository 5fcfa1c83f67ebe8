# Every export of the Windows module-definition file must be the decorated name that the Java
# class's native method needs: a wrong argument type in either place breaks the binding on a
# 32-bit JVM, which looks natives up by that name.
#   cmake -DDEF=<brivon.def> -DJAVA_NAMES=<list made from CefLib> -P def_names_match_java.cmake
file(STRINGS ${DEF} def_lines REGEX "^[ \t]+_Java_")
file(STRINGS ${JAVA_NAMES} java_names)
set(def_names "")
foreach(line ${def_lines})
  string(REGEX REPLACE "^[ \t]+([^ \t=]+)[ \t]*=[ \t]*([^ \t]+).*$" "\\1;\\2" pair "${line}")
  list(GET pair 0 exported)
  list(GET pair 1 internal)
  if(NOT "_${internal}" STREQUAL "${exported}")
    message(SEND_ERROR "${exported} is bound to ${internal}, not to the function of that name")
  endif()
  if(NOT exported IN_LIST java_names)
    message(SEND_ERROR "${exported} matches no native method of CefLib")
  endif()
  list(APPEND def_names ${exported})
endforeach()
list(LENGTH def_names count)
set(pending ${java_names})
list(REMOVE_ITEM pending ${def_names})
list(LENGTH pending pending_count)
message(STATUS "${count} natives exported; not yet implemented: ${pending_count}")
