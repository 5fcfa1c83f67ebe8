#!/usr/bin/env bash
# Builds everything and runs every test: the main build's ctest run (host, cross builds, Wine),
# then the sanitizer build's (native, stand-in and JVM tests under AddressSanitizer and
# UndefinedBehaviorSanitizer). Fails when either fails. `--sanitized` builds and runs only the
# sanitizer build.
#
# Real engine: $BRIVON_CEF_LINUX_ROOT and $BRIVON_CEF_WINDOWS_ROOT, when set, name CEF 76
# binary distributions (linux64, windows32). Each is then built against in a tree of its own
# ($BRIVON_BUILD_DIR/cef-linux64: the host bridge; $BRIVON_BUILD_DIR/cef-windows32: the i686
# MinGW build), only the deliverables and the engine's wrapper, and that tree's checks run; the
# main build also compiles every bridge source against both distributions' headers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
which=${1:-all}
case "$which" in
  all | --sanitized) ;;
  *) echo "usage: $0 [--sanitized]" >&2; exit 2 ;;
esac
linux_dist=${BRIVON_CEF_LINUX_ROOT:-}
windows_dist=${BRIVON_CEF_WINDOWS_ROOT:-}
if [ -z "${BRIVON_CEF_CHECK_ROOTS:-}" ]; then
  roots=""
  for dist in "$linux_dist" "$windows_dist"; do
    [ -n "$dist" ] && roots="${roots:+$roots;}$dist"
  done
  [ -n "$roots" ] && export BRIVON_CEF_CHECK_ROOTS="$roots"
fi
. "$root/tools/timing.sh"
in_dir() { (cd "$1" && shift && "$@"); }
timed "install and build (times above)" "$root/tools/build.sh" "$which"

# Builds the deliverables in a tree configured against one distribution and runs the checks of
# that tree. "None": a build type that is neither Debug nor Release, and the cheapest to compile.
engine_check() { # <tree> <distribution> <cmake arguments>...
  local tree=$build/$1 dist=$2
  shift 2
  cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=None -DBRIVON_CEF_ROOT="$dist" "$@" &&
    cmake --build "$tree" -j "$(nproc)" --target brivon brivon-legacy brivon-sub &&
    (cd "$tree" && ctest --output-on-failure --timeout 300 --no-tests=error -R '^brivon(-legacy|-sub)?[.-]')
}
engine_linux=skipped
engine_windows=skipped
if [ "$which" = all ]; then
  if [ -n "$linux_dist" ]; then
    engine_linux=passed
    timed "real engine, Linux: build and check" engine_check cef-linux64 "$linux_dist" -DBRIVON_WINDOWS_BUILDS=OFF || engine_linux=FAILED
  else
    echo "real-engine checks (Linux): skipped, BRIVON_CEF_LINUX_ROOT names no distribution"
  fi
  if [ -n "$windows_dist" ]; then
    engine_windows=passed
    javac_path=$(readlink -f "$(command -v javac)")
    timed "real engine, Windows: build and check" engine_check cef-windows32 "$windows_dist" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
      -DBRIVON_JDK_INCLUDE_DIR="$(dirname "$(dirname "$javac_path")")/include" || engine_windows=FAILED
  else
    echo "real-engine checks (Windows): skipped, BRIVON_CEF_WINDOWS_ROOT names no distribution"
  fi
fi

main=skipped
if [ "$which" = all ]; then
  main=passed
  # Windows need a display; one virtual display serves the whole run.
  timed "tests: main build" in_dir "$build" xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest -j "$(nproc)" --output-on-failure --timeout 300 || main=FAILED
fi
sanitized=passed
timed "tests: sanitizer build" in_dir "$build/asan" ctest -j "$(nproc)" --output-on-failure --timeout 300 ||
  sanitized=FAILED

print_times
echo "main build: $main; sanitizer build: $sanitized;" \
  "real engine: Linux $engine_linux, Windows $engine_windows"
for result in "$main" "$sanitized" "$engine_linux" "$engine_windows"; do
  [ "$result" != FAILED ] || exit 1
done
