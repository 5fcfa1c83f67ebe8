#!/usr/bin/env bash
# Builds everything and runs every test (host, cross builds, Wine) in one ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j "$(nproc)"
cd "$build"
# Windows need a display; one virtual display serves the whole run.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 300
