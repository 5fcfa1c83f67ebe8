#!/usr/bin/env bash
# Builds everything and runs the demo client against the bridge.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
cmake --build "${BRIVON_BUILD_DIR:-$root/build}" --target run-demo
