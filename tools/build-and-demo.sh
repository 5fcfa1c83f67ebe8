#!/usr/bin/env bash
# Installs what the build needs, builds everything (host and Windows cross builds) and runs the
# demo client against the bridge.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j "$(nproc)"
cmake --build "$build" --target run-demo
