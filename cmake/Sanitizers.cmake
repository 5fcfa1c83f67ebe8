# The sanitizer build (-DBRIVON_SANITIZE=ON): every host target is compiled and linked with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the first report ends the process, so
# that a test that meets one fails instead of printing and going on.
#
# A JVM does not load the address sanitizer's runtime on its own, and that runtime must be the
# first library of the process: the JUnit tests start their JVM with it preloaded
# (BRIVON_SANITIZER_JVM_ENVIRONMENT, read by cmake/JUnit.cmake), with the options the JVM needs:
# - handle_segv=0, allow_user_segv_handler=1: the JVM takes SIGSEGV itself (implicit null
#   checks, safepoint polls, stack banging) and must keep its own handler;
# - detect_leaks=0: the JVM exits with its heap, threads and class data still mapped, none of
#   which is the bridge's to free; leak detection stays on (the default) for native tests;
# - abort_on_error=1: a report ends the JVM at once, whichever of its threads met it.
# The brivon-sub renderers those tests start inherit this environment: the preload is the
# runtime they are linked with, a report aborts the renderer and lands in the test's output,
# which fails it. Leak detection stays off there too: the stand-in hands its environment on
# unchanged, so no option can reach the renderer alone, and a renderer still checking for
# leaks when its browser's close runs out of patience is killed, report and all. brivon-sub's
# own leaks are the brivon-sub.renderer tests', which run with leak detection on.
include_guard(GLOBAL)

set(BRIVON_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${BRIVON_SANITIZE_FLAGS})
add_link_options(${BRIVON_SANITIZE_FLAGS})

execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
  OUTPUT_VARIABLE BRIVON_ASAN_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT IS_ABSOLUTE "${BRIVON_ASAN_RUNTIME}" OR NOT EXISTS "${BRIVON_ASAN_RUNTIME}")
  message(FATAL_ERROR "BRIVON_SANITIZE: ${CMAKE_CXX_COMPILER} names no address sanitizer runtime "
                      "(got '${BRIVON_ASAN_RUNTIME}')")
endif()
get_filename_component(BRIVON_ASAN_RUNTIME "${BRIVON_ASAN_RUNTIME}" REALPATH)

set(BRIVON_SANITIZER_JVM_ENVIRONMENT
  "LD_PRELOAD=${BRIVON_ASAN_RUNTIME}"
  "ASAN_OPTIONS=handle_segv=0:allow_user_segv_handler=1:detect_leaks=0:abort_on_error=1"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
# What a sanitizer prints when it stops a process; a test whose output holds it fails even if
# the exit code got lost on the way (a JVM that reports a crash of a thread of its own).
set(BRIVON_SANITIZER_FAIL_PATTERNS "ERROR: AddressSanitizer" "ERROR: LeakSanitizer"
    ": runtime error: ")
