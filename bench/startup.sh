#!/usr/bin/env bash
# Start-up benchmark: starts the optimised program, each time as a copy in a
# fresh folder (so it makes its folders and settings as on a first start),
# until its main window has been painted, and a plain Qt dialog of the same
# size the same way, in turns under one virtual X server. Prints the median
# times and the median of the per-turn ratios program / dialog.
#
#   bench/startup.sh [RUNS]        (default 15, after one warm-up turn)
#
# BENCH_BUILD names another build folder to measure (e.g. build for the debug
# build); it must hold both programs already.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C
shopt -s inherit_errexit

runs=${1:-15}
build=${BENCH_BUILD:-build-release}
if [ -z "${BENCH_UNDER_XVFB:-}" ]; then
  [ "$build" = build-release ] && bash scripts/build-release.sh configurator startup_peer >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    env BENCH_UNDER_XVFB=1 BENCH_BUILD="$build" bash "$0" "$runs"
fi

program=$build/bin/configurator
peer=$build/bin/startup_peer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

# Prints the microseconds from start until the copy of $1 reports "shown".
time_to_shown() {
  local folder line start end
  folder=$(mktemp -d "$work/run.XXXXXX")
  cp "$1" "$folder/"
  start=${EPOCHREALTIME/./}
  coproc STARTED { cd "$folder" && QT_QPA_PLATFORM=xcb CONFIGURATOR_CLOSE_WHEN_SHOWN=1 exec "./${1##*/}"; }
  read -r -t 60 line <&"${STARTED[0]}" || { line=; kill "$STARTED_PID" 2>/dev/null || true; }
  end=${EPOCHREALTIME/./}
  local status=0
  wait "$STARTED_PID" || status=$?
  if [ "$line" != shown ] || [ "$status" -ne 0 ]; then
    echo "startup: $1 did not report its window or failed (exit status $status)" >&2
    exit 1
  fi
  rm -rf "$folder"
  echo $((end - start))
}

time_to_shown "$program" >/dev/null
time_to_shown "$peer" >/dev/null
for ((i = 0; i < runs; i++)); do
  program_us=$(time_to_shown "$program")
  peer_us=$(time_to_shown "$peer")
  echo "$program_us $peer_us" >>"$work/times"
done
awk '
  function median(values, n,    sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = values[i]
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) { t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  { n++; program[n] = $1; peer[n] = $2; ratio[n] = $1 / $2 }
  END {
    printf "program: median %.1f ms to its main window\n", median(program, n) / 1000
    printf "plain dialog: median %.1f ms\n", median(peer, n) / 1000
    printf "ratio (median of %d turns): %.2f\n", n, median(ratio, n)
  }' "$work/times"
