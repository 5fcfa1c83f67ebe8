#!/usr/bin/env bash
# Builds the main build (not the sanitizer build) and runs the example client against the bridge:
# in a window when there is a display, otherwise headless, writing a screenshot of its view.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
"$root/tools/build.sh" --main
if [ -n "${DISPLAY:-}" ]; then
  cmake --build "$build" --target run-example
else
  cmake --build "$build" --target run-example-headless
  echo "no display: ran headless; the screenshot is $build/java/example/headless.png"
fi
