#!/usr/bin/env bash
# The test command: installs what is missing, builds, runs every test.
# With --sanitize the same suite runs under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh "$@"

build_dir=build
[ "${1:-}" = "--sanitize" ] && build_dir=build-sanitize

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
