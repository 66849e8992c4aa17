#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
args=(-DCMAKE_BUILD_TYPE=Debug)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  args+=(-DCONFIGURATOR_SANITIZE=ON)
fi
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build_dir" "${args[@]}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
