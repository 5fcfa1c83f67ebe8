#!/usr/bin/env bash
# Installs the missing packages, then configures and builds everything (host and Windows cross
# builds) in $BRIVON_BUILD_DIR, by default build/. $BRIVON_CEF_CHECK_ROOTS, if set, names real
# engine distributions (";"-separated) that a test compiles the bridge against.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  ${BRIVON_CEF_CHECK_ROOTS:+"-DBRIVON_CEF_CHECK_ROOTS=$BRIVON_CEF_CHECK_ROOTS"}
cmake --build "$build" -j "$(nproc)"
