#!/usr/bin/env bash
# scripts/install.sh keeps the user's configurations across a clean rebuild.
#
#   install_keeps_configurations.sh SOURCE_FOLDER BUILT_PROGRAM
#
# A build folder here is a fresh configuration of the project whose program is
# a copy of BUILT_PROGRAM, so nothing is compiled. The test installs into a
# temporary CONFIGURATOR_HOME, starts the installed program once so that it
# makes its folders and "Marquell.xml" there, adds a configuration, deletes
# the build folder, makes a new one with a different program, installs again
# and checks that every user file is unchanged and the new program is in place.
set -euo pipefail

source_folder=$1
built_program=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build=$scratch/build
export CONFIGURATOR_HOME=$scratch/home

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Configures a fresh build folder and puts a program into it; $1 is appended
# to the program so that two builds can be told apart.
make_build_folder() {
  cmake -S "$source_folder" -B "$build" >/dev/null
  mkdir -p "$build/bin"
  cp "$built_program" "$build/bin/configurator"
  printf '%s' "$1" >>"$build/bin/configurator"
}

install_program() {
  local printed
  printed=$(bash "$source_folder/scripts/install.sh" "$build")
  [ "$printed" = "$1" ] || fail "install.sh printed '$printed', expected '$1'"
}

start_installed_program() {
  local output
  output=$(CONFIGURATOR_CLOSE_WHEN_SHOWN=1 "$CONFIGURATOR_HOME/configurator") \
    || fail "the installed program failed"
  [ "$output" = shown ] || fail "the installed program did not show its main window: '$output'"
}

# Every file and folder of the program folder except the program, with the
# check sums of the files.
user_files() {
  (cd "$CONFIGURATOR_HOME" && find . -path ./configurator -prune -o -print0 | sort -z \
    | xargs -0 -I{} sh -c 'if [ -f "$1" ]; then sha256sum "$1"; else echo "folder $1"; fi' _ {})
}

make_build_folder first
install_program "$CONFIGURATOR_HOME"
cmp -s "$build/bin/configurator" "$CONFIGURATOR_HOME/configurator" || fail "the program was not installed"
[ -x "$CONFIGURATOR_HOME/configurator" ] || fail "the installed program is not executable"

start_installed_program
for made in MASTER PROJECTS LANGUAGE; do
  [ -d "$CONFIGURATOR_HOME/$made" ] || fail "the program did not make $made in its installed folder"
  [ ! -e "$build/bin/$made" ] || fail "$made was made in the build folder"
done
[ -s "$CONFIGURATOR_HOME/Marquell.xml" ] || fail "the program did not write Marquell.xml in its installed folder"

mkdir -p "$CONFIGURATOR_HOME/PROJECTS/Plant_A"
printf '<ParGen><Name>Plant_A</Name></ParGen>' >"$CONFIGURATOR_HOME/PROJECTS/Plant_A/ParGen.xml"
printf '0=Anfang\n' >"$CONFIGURATOR_HOME/LANGUAGE/Deutsch.lng"
printf '#!/bin/sh\n' >"$CONFIGURATOR_HOME/Ethernet_Update"
chmod +x "$CONFIGURATOR_HOME/Ethernet_Update"
before=$(user_files)

rm -rf "$build"
make_build_folder second
cmp -s "$build/bin/configurator" "$CONFIGURATOR_HOME/configurator" && fail "the two builds cannot be told apart"
install_program "$CONFIGURATOR_HOME"

[ "$(user_files)" = "$before" ] || fail "reinstalling changed the user's files: $(diff <(echo "$before") <(user_files))"
cmp -s "$build/bin/configurator" "$CONFIGURATOR_HOME/configurator" || fail "the new program is not in place"
[ -z "$(find "$CONFIGURATOR_HOME" -name '.install.*')" ] || fail "the install left its staging folder"
start_installed_program
[ "$(cat "$CONFIGURATOR_HOME/PROJECTS/Plant_A/ParGen.xml")" = '<ParGen><Name>Plant_A</Name></ParGen>' ] \
  || fail "the configuration changed after the new program ran"

# Without CONFIGURATOR_HOME the folder is the user's data folder.
unset CONFIGURATOR_HOME
XDG_DATA_HOME=$scratch/data install_program "$scratch/data/configurator"
[ -f "$scratch/data/configurator/configurator" ] || fail "nothing was installed into XDG_DATA_HOME"
XDG_DATA_HOME= HOME=$scratch/user install_program "$scratch/user/.local/share/configurator"
[ -f "$scratch/user/.local/share/configurator/configurator" ] || fail "nothing was installed into ~/.local/share"
echo "install keeps the user's configurations"
