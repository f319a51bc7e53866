#!/bin/sh
# Regenerates the README's screenshots of the viewer, docs/viewer-level.png
# (the sample lit, seen after rising with E and turning half round) and
# docs/viewer-solids.png (its solids after an export), by running the
# end-to-end test, which drives the viewer with xdotool and reads the screen.
# Usage: tools/screenshots.sh [build-dir]   (default build/ci, built with the
# app_x11_tests target). Uses $DISPLAY if set, else its own Xvfb on :97.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/ci}"
tests="$build/tests/app/app_x11_tests"
[ -x "$tests" ] || { echo "screenshots.sh: build the app_x11_tests target in $build first" >&2; exit 2; }
xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb"' EXIT
  export DISPLAY=:97
  sleep 1
fi
ONDREL_SCREENSHOT_DIR="$root/docs" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
  "$tests" --gtest_filter='Viewer.FliesThroughTheSampleAndExportsTheConvertersMap'
ls -l "$root/docs/viewer-level.png" "$root/docs/viewer-solids.png"
