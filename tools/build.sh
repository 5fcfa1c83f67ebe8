#!/usr/bin/env bash
# Installs the missing packages, then configures and builds, in $BRIVON_BUILD_DIR (by default
# build/):
# - the main build: host and Windows cross builds, in $BRIVON_BUILD_DIR;
# - the sanitizer build: the host side again with AddressSanitizer and UndefinedBehaviorSanitizer,
#   in $BRIVON_BUILD_DIR/asan (no cross builds: the Windows binaries come from the main build).
# `--main` or `--sanitized` builds only that one. $BRIVON_CEF_CHECK_ROOTS, if set, names real
# engine distributions (";"-separated) that a test of the main build compiles the bridge against.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
which=${1:-all}
case "$which" in
  all | --main | --sanitized) ;;
  *) echo "usage: $0 [--main | --sanitized]" >&2; exit 2 ;;
esac
. "$root/tools/timing.sh"
timed "install packages" "$root/tools/install-deps.sh"
if [ "$which" != --sanitized ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    ${BRIVON_CEF_CHECK_ROOTS:+"-DBRIVON_CEF_CHECK_ROOTS=$BRIVON_CEF_CHECK_ROOTS"}
  timed "build: main (host and Windows)" cmake --build "$build" -j "$(nproc)"
fi
if [ "$which" != --main ]; then
  cmake -S "$root" -B "$build/asan" -DCMAKE_BUILD_TYPE=Debug -DBRIVON_SANITIZE=ON \
    -DBRIVON_WINDOWS_BUILDS=OFF
  timed "build: sanitizer" cmake --build "$build/asan" -j "$(nproc)"
fi
print_times
