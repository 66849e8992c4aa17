#!/usr/bin/env bash
# Installs the built program into the user's program folder and prints the folder.
#
#   scripts/install.sh [BUILD_FOLDER]        (default build-release)
#
# The folder is $CONFIGURATOR_HOME, else ${XDG_DATA_HOME:-$HOME/.local/share}/configurator.
# The program keeps MASTER, PROJECTS, LANGUAGE and "Marquell.xml" beside its
# executable, so they live in that folder, away from every build folder. Only
# the program's own files are replaced, each by a rename, so a running copy
# keeps working; the user's folders and files, and an "Ethernet_Update" put
# there, are never touched.
set -euo pipefail

build=$(realpath -m "${1:-$(dirname "$0")/../build-release}")
home=${CONFIGURATOR_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/configurator}
home=$(realpath -m "$home")

if [ ! -f "$build/cmake_install.cmake" ]; then
  echo "install: $build is not a configured build folder" >&2
  exit 1
fi

mkdir -p "$home"
staging=$(mktemp -d "$home/.install.XXXXXX")
trap 'rm -rf "$staging"' EXIT
cmake --install "$build" --prefix "$staging" >&2
(
  cd "$staging"
  find . -mindepth 1 -type d -printf '%P\0' | xargs -0 -r -I{} mkdir -p "$home/{}"
  find . -type f -printf '%P\0' | xargs -0 -r -I{} mv -f "{}" "$home/{}"
)
echo "$home"
