#!/usr/bin/env bash
# Builds the optimised program, installs it into the user's program folder
# (see scripts/install.sh) and starts it from there, under Xvfb when there is
# no display. The user's configurations stay in that folder across rebuilds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build-release.sh
home=$(bash scripts/install.sh build-release)
cd "$home"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a "$home/configurator"
fi
exec "$home/configurator"
