#!/usr/bin/env bash
# Renders windows to PNG files for a look by eye.
#
#   scripts/screenshot.sh TEST_BINARY [GTEST_FILTER] [OUTPUT_FOLDER]
#
# Runs the tests of TEST_BINARY (a name under build/bin, or a path) that match
# GTEST_FILTER under a virtual X server. Tests call platform::SaveScreenshot(widget,
# name), which writes OUTPUT_FOLDER/name.png while SCREENSHOT_DIR is set; the
# folder defaults to screenshots/. Builds with scripts/build.sh when the binary
# is missing. Modal boxes that no test answers fail instead of waiting.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ]; then
  sed -n '2,11p' "$0"
  exit 2
fi
binary=$1
filter=${2:-*}
output=$(realpath -m "${3:-screenshots}")

case "$binary" in
  */*) ;;
  *) binary=build/bin/$binary ;;
esac
[ -x "$binary" ] || bash scripts/build.sh
mkdir -p "$output"

export SCREENSHOT_DIR=$output
export CONFIGURATOR_MODAL_SEAMS=1
if command -v xvfb-run >/dev/null 2>&1; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$binary" --gtest_filter="$filter"
else
  echo "xvfb-run not found; rendering off screen" >&2
  QT_QPA_PLATFORM=offscreen "$binary" --gtest_filter="$filter"
fi
echo "Pictures in $output:"
ls -1 "$output"
