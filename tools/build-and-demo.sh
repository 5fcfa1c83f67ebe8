#!/usr/bin/env bash
# Builds the main build (not the sanitizer build) and runs the demo client against the bridge.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" --main
cmake --build "${BRIVON_BUILD_DIR:-$root/build}" --target run-demo
