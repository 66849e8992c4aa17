#!/usr/bin/env bash
# Builds and starts the program; under Xvfb when there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a build/bin/configurator
fi
exec build/bin/configurator
