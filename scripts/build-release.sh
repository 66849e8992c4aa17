#!/usr/bin/env bash
# Configures and builds the optimised program into build-release/, apart from
# the test builds: the targets given, or the program alone.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(configurator)
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build-release "${args[@]}" >/dev/null
cmake --build build-release --parallel "$(nproc)" --target "${targets[@]}"
