#!/usr/bin/env bash
# Builds everything and runs every test: the main build's ctest run (host, cross builds, Wine),
# then the sanitizer build's (native, stand-in and JVM tests under AddressSanitizer and
# UndefinedBehaviorSanitizer). Fails when either fails. `--sanitized` builds and runs only the
# sanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIVON_BUILD_DIR:-$root/build}
which=${1:-all}
case "$which" in
  all | --sanitized) ;;
  *) echo "usage: $0 [--sanitized]" >&2; exit 2 ;;
esac
"$root/tools/build.sh" "$which"

main=skipped
if [ "$which" = all ]; then
  main=passed
  # Windows need a display; one virtual display serves the whole run.
  (cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 300) ||
    main=FAILED
fi
sanitized=passed
(cd "$build/asan" && ctest --output-on-failure --timeout 300) || sanitized=FAILED

echo "main build: $main; sanitizer build: $sanitized"
[ "$main" != FAILED ] && [ "$sanitized" != FAILED ]
