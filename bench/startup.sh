#!/usr/bin/env bash
# Start-up benchmark, measured as a user sees it: from the start of the
# process until its main window is mapped on the display, and until the
# program has first drawn into it. The optimised program and a plain Qt
# dialog of the same size are started the same way, in turns under one
# virtual X server: each as a copy in a fresh folder (so the program makes its
# folders and settings as on a first start), by bench's startup_watch, which
# watches the display from outside the process and then closes the window as
# a window manager would. Prints the medians and the medians of the per-turn
# ratios program / dialog.
#
#   bench/startup.sh [RUNS]        (default 15, at least 10, after one warm-up turn)
#
# BENCH_BUILD names another build folder to measure (e.g. build for the debug
# build); it must hold the three programs already.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C
shopt -s inherit_errexit

runs=${1:-15}
if ! [[ $runs =~ ^[0-9]+$ ]] || [ "$runs" -lt 10 ]; then
  echo "startup: give at least 10 turns" >&2
  exit 2
fi
build=${BENCH_BUILD:-build-release}
if [ -z "${BENCH_UNDER_XVFB:-}" ]; then
  [ "$build" = build-release ] && bash scripts/build-release.sh configurator startup_peer startup_watch >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    env BENCH_UNDER_XVFB=1 BENCH_BUILD="$build" bash "$0" "$runs"
fi

program=$build/bin/configurator
peer=$build/bin/startup_peer
watch=$(realpath "$build/bin/startup_watch")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
unset CONFIGURATOR_CLOSE_WHEN_SHOWN

# Prints "MAPPED_US DRAWN_US" for a start of a fresh copy of $1.
time_to_window() {
  local folder times status=0
  folder=$(mktemp -d "$work/run.XXXXXX")
  cp "$1" "$folder/"
  times=$(cd "$folder" && QT_QPA_PLATFORM=xcb "$watch" "./${1##*/}") || status=$?
  if [ "$status" -ne 0 ] || [ -z "$times" ]; then
    echo "startup: $1 showed no window or failed (exit status $status)" >&2
    exit 1
  fi
  rm -rf "$folder"
  echo "$times"
}

time_to_window "$program" >/dev/null
time_to_window "$peer" >/dev/null
for ((i = 0; i < runs; i++)); do
  echo "$(time_to_window "$program") $(time_to_window "$peer")" >>"$work/times"
done
awk '
  function median(values, n,    sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = values[i]
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) { t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  {
    n++
    program_mapped[n] = $1; program_drawn[n] = $2; peer_mapped[n] = $3; peer_drawn[n] = $4
    mapped_ratio[n] = $1 / $3; drawn_ratio[n] = $2 / $4
  }
  END {
    printf "program: median %.1f ms to its mapped main window, %.1f ms to its first drawing\n",
      median(program_mapped, n) / 1000, median(program_drawn, n) / 1000
    printf "plain dialog: median %.1f ms to its mapped window, %.1f ms to its first drawing\n",
      median(peer_mapped, n) / 1000, median(peer_drawn, n) / 1000
    printf "ratio to the first drawing (median of %d turns): %.2f\n", n, median(drawn_ratio, n)
    printf "ratio to the mapped window (median of %d turns): %.2f\n", n, median(mapped_ratio, n)
  }' "$work/times"
