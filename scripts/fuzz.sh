#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer (AddressSanitizer
# and UndefinedBehaviorSanitizer on the whole project) into build-fuzz/ and
# runs each for SECONDS (60 by default), at most FUZZ_JOBS (3) at a time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# New inputs go to build-fuzz/corpus/<target>/, faults to
# build-fuzz/artifacts/<target>/, the fuzzer's output to build-fuzz/logs/.
# Extra libFuzzer flags can be given in FUZZ_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
jobs=${FUZZ_JOBS:-3}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

links_fuzzer() {
  local dir
  dir=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$dir/t.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$dir/t.cpp" -o "$dir/t" >/dev/null 2>&1
  local ok=$?
  rm -rf "$dir"
  return $ok
}

if ! command -v clang++ >/dev/null 2>&1; then
  $sudo apt-get install -y clang
fi
if ! links_fuzzer; then
  version=$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p')
  $sudo apt-get install -y "libclang-rt-${version}-dev"
fi

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCONFIGURATOR_FUZZ=ON -DCONFIGURATOR_WERROR=OFF \
  -DCMAKE_BUILD_TYPE= "-DCMAKE_CXX_FLAGS=$flags" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n '/^set(CONFIGURATOR_FUZZ_TARGETS/,/)/p' fuzz/CMakeLists.txt |
    sed 's/set(CONFIGURATOR_FUZZ_TARGETS//; s/)//' | tr ' ' '\n' | sed '/^$/d')
fi
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp"
mkdir -p build-fuzz/logs
# Words of the input languages help the fuzzer past the first syntax checks.
dictionary_of() {
  case $1 in
    xml_document | bank_builder | pargen_reader | settings_file) echo "-dict=$PWD/fuzz/dict/xml.dict" ;;
    markup_*) echo "-dict=$PWD/fuzz/dict/markup.dict" ;;
  esac
}

run_one() {
  local target=$1
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target" "fuzz/corpus/$target"
  # Faults: a crash or sanitizer report, more than 10 s for one input, more than 2 GB.
  # shellcheck disable=SC2086
  "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 $(dictionary_of "$target") \
    -artifact_prefix="$PWD/build-fuzz/artifacts/$target/" ${FUZZ_ARGS:-} \
    "$PWD/build-fuzz/corpus/$target" "$PWD/fuzz/corpus/$target" >"build-fuzz/logs/$target.log" 2>&1
}

failed=()
declare -A running=()
for target in "${targets[@]}"; do
  while [ ${#running[@]} -ge "$jobs" ]; do
    status=0
    wait -n -p done_pid "${!running[@]}" || status=$?
    [ "$status" -eq 0 ] || failed+=("${running[$done_pid]}")
    unset "running[$done_pid]"
  done
  echo "fuzzing $target for ${seconds}s"
  run_one "$target" &
  running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do
  status=0
  wait -n -p done_pid "${!running[@]}" || status=$?
  [ "$status" -eq 0 ] || failed+=("${running[$done_pid]}")
  unset "running[$done_pid]"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "faults found by: ${failed[*]} (see build-fuzz/logs and build-fuzz/artifacts)"
  exit 1
fi
echo "no faults found"
