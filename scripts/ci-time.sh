#!/usr/bin/env bash
# Times a clean CI run the way CI sees it: a fresh clone of a commit (HEAD by
# default) in a temporary folder, `.ci/run` pinned to two cores, no ccache.
# Prints the total and the build/test split of the normal and sanitizer runs
# (a build figure includes the package check and the CMake configure step),
# plus the machine's load average during the run (timings on a shared machine
# are only comparable at similar load).
#
#   scripts/ci-time.sh [REV] [--keep]
#       REV     commit to time (default HEAD)
#       --keep  leave the clone and its log behind for inspection
#   CI_TIME_CORES=2,3 picks other cores (default 0,1), so that two commits can
#   be timed side by side under the same load.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"

rev=HEAD
keep=0
cores="${CI_TIME_CORES:-0,1}"
for arg in "$@"; do
  case "$arg" in
    --keep) keep=1 ;;
    *) rev="$arg" ;;
  esac
done
commit="$(git -C "$repo" rev-parse --verify "$rev^{commit}")"

work="$(mktemp -d "${TMPDIR:-/tmp}/ci-time.XXXXXX")"
loadlog="$work/load.log"
runlog="$work/run.log"
sampler=""
cleanup() {
  [ -n "$sampler" ] && kill "$sampler" 2>/dev/null || true
  if [ "$keep" = 1 ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

git clone -q --no-checkout "$repo" "$work/src"
git -C "$work/src" checkout -q --detach "$commit"

# Samples the 1-minute load average every 15 s while the run lasts.
( while :; do cut -d' ' -f1 /proc/loadavg >>"$loadlog"; sleep 15; done ) &
sampler=$!

# Every output line gets a timestamp so the phases can be told apart:
# each ctest run starts with "Test project" and ends with "Total Test time".
start=$EPOCHREALTIME
set +e
( cd "$work/src" && CCACHE_DISABLE=1 taskset -c "$cores" bash .ci/run 2>&1 ) |
  while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done >"$runlog"
status=${PIPESTATUS[0]}
set -e
end=$EPOCHREALTIME
kill "$sampler" 2>/dev/null || true
sampler=""

awk -v cores="$cores" -v start="$start" -v end="$end" -v status="$status" -v commit="${commit:0:12}" '
  function mmss(s) { return sprintf("%d:%04.1f", int(s / 60), s - 60 * int(s / 60)) }
  / Test project / { begin[++n] = $1 }
  / Total Test time \(real\) = / { finish[n] = $1; real[n] = $(NF - 1) }
  END {
    printf "commit %s, exit status %d\n", commit, status
    printf "full .ci/run (cores %s):  %s\n", cores, mmss(end - start)
    if (n >= 1) {
      printf "  normal build:          %s\n", mmss(begin[1] - start)
      printf "  normal tests:          %s\n", mmss(real[1])
    }
    if (n >= 2) {
      printf "  sanitize build:        %s\n", mmss(begin[2] - finish[1])
      printf "  sanitize tests:        %s\n", mmss(real[2])
    }
  }' "$runlog"
sort -n "$loadlog" | awk '
  { v[NR] = $1; sum += $1 }
  END { if (NR) printf "load average (1 min) during the run: mean %.1f, min %s, max %s\n", sum / NR, v[1], v[NR] }'
[ "$status" -eq 0 ] || tail -n 40 "$runlog"
exit "$status"
