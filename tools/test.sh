#!/usr/bin/env bash
# Builds everything and runs every test (host, cross builds, Wine) in one ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
cd "${BRIVON_BUILD_DIR:-$root/build}"
# Windows need a display; one virtual display serves the whole run.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 300
