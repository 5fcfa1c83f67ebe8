# JUnit 5 tests run by ctest, one JVM per test class.
#
#   brivon_add_junit_test(NAME <ctest name> CLASS <fully qualified test class>
#                         SOURCES <test .java files...>
#                         [JARS <jar targets or jar files...>]
#                         [LIBRARY_DIRS <dirs...>]
#                         [JVM_ARGS <JVM options, e.g. -Dbrivon.library=$<TARGET_FILE:brivon>...>]
#                         [ENVIRONMENT <NAME=value...>]
#                         [DEPENDS <targets the test runs, e.g. libraries or programs named in JVM_ARGS>]
#                         [TIMEOUT <seconds>])
#
# The sources are compiled against brivon-java, JARS and JUnit 5 into a jar of their own. The
# test runs CLASS alone in a fresh JVM (the engine can be started only once per process) with
# -Xcheck:jni, and fails when JUnit reports a failure, when the class holds no test, or when the
# JVM reports any JNI warning or fatal error. JVM_ARGS accepts generator expressions; a jar target
# named in JARS must be defined before the call (its jar goes on both class paths).
#
# The JUnit console jar comes from Debian's junit5 package; BRIVON_JUNIT_CONSOLE_JAR overrides it.
include_guard(DIRECTORY)

find_package(Java 11 REQUIRED COMPONENTS Runtime Development)
include(UseJava)

set(BRIVON_JUNIT_CONSOLE_JAR /usr/share/java/junit-platform-console-standalone.jar
    CACHE FILEPATH "JUnit platform console launcher (standalone jar)")
if(NOT EXISTS "${BRIVON_JUNIT_CONSOLE_JAR}")
  message(FATAL_ERROR "JUnit console launcher not found at ${BRIVON_JUNIT_CONSOLE_JAR} (Debian package junit5)")
endif()

function(brivon_add_junit_test)
  cmake_parse_arguments(T "" "NAME;CLASS;TIMEOUT" "SOURCES;JARS;LIBRARY_DIRS;JVM_ARGS;ENVIRONMENT;DEPENDS" ${ARGN})
  if(NOT T_NAME OR NOT T_CLASS OR NOT T_SOURCES)
    message(FATAL_ERROR "brivon_add_junit_test needs NAME, CLASS and SOURCES")
  endif()
  if(T_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "brivon_add_junit_test(${T_NAME}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
  endif()
  # add_jar reads UseJava's helper variables from the calling directory's scope, which need
  # not be one that included this file.
  include(UseJava)

  string(MAKE_C_IDENTIFIER "junit-${T_NAME}" target)
  set(CMAKE_JAVA_COMPILE_FLAGS --release 11 -encoding UTF-8 -Xlint:all)
  add_jar(${target} SOURCES ${T_SOURCES}
    INCLUDE_JARS brivon-java ${T_JARS} ${BRIVON_JUNIT_CONSOLE_JAR})
  # A generator expression in a test's command builds nothing: building the test's jar builds
  # what it will load or start.
  if(T_DEPENDS)
    add_dependencies(${target} ${T_DEPENDS})
  endif()

  set(class_path "$<TARGET_PROPERTY:${target},JAR_FILE>:$<TARGET_PROPERTY:brivon-java,JAR_FILE>")
  foreach(jar IN LISTS T_JARS)
    if(TARGET ${jar})
      string(APPEND class_path ":$<TARGET_PROPERTY:${jar},JAR_FILE>")
    else()
      string(APPEND class_path ":${jar}")
    endif()
  endforeach()

  set(jvm_args -Xcheck:jni ${T_JVM_ARGS})
  if(T_LIBRARY_DIRS)
    list(JOIN T_LIBRARY_DIRS ":" library_path)
    list(APPEND jvm_args "-Djava.library.path=${library_path}")
  endif()

  # Core dumps and JVM error logs of a crashed run land here rather than in the build tree's root.
  set(work_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}.run)
  file(MAKE_DIRECTORY ${work_dir})

  add_test(NAME ${T_NAME}
    COMMAND ${Java_JAVA_EXECUTABLE} ${jvm_args} -jar ${BRIVON_JUNIT_CONSOLE_JAR}
      --class-path ${class_path} --select-class ${T_CLASS}
      --details=tree --details-theme=ascii --disable-ansi-colors --disable-banner --fail-if-no-tests
    WORKING_DIRECTORY ${work_dir})
  # ctest still fails the test on a non-zero exit code; these catch what -Xcheck:jni only prints:
  # misuse reported from inside a native method, and the warnings it prints on its own line
  # ("WARNING: JNI local refs: 33, exceeds capacity: 32" when a native frame piles up locals).
  set(fail_patterns "WARNING: JNI" "WARNING in native method" "FATAL ERROR in native method"
      ${BRIVON_SANITIZER_FAIL_PATTERNS})
  set_tests_properties(${T_NAME} PROPERTIES FAIL_REGULAR_EXPRESSION "${fail_patterns}")
  # In the sanitizer build the JVM runs with the sanitizer runtime preloaded (cmake/Sanitizers.cmake).
  set(environment ${BRIVON_SANITIZER_JVM_ENVIRONMENT} ${T_ENVIRONMENT})
  if(environment)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${environment}")
  endif()
  if(T_TIMEOUT)
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()
