#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs each for the given number of seconds, FUZZ_JOBS (2) at a time. Inputs that make a
# target fail are copied to fuzz/regressions/<target>/, which ctest replays on
# every build. A summary per target goes to build-fuzz/summary.txt.
#   fuzz/run.sh SECONDS [target ...]
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fichas_generation catalogue)

./tools/install-deps.sh
command -v clang++ >/dev/null || { echo "clang++ hace falta: apt-get install clang" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DETIQUETAS_FUZZ=ON -DETIQUETAS_TESTS=OFF >/dev/null || exit 1
cmake --build build-fuzz || exit 1

run_one() {
  local t=$1 corpus=build-fuzz/corpus/$1 artifacts=build-fuzz/artifacts/$1/
  rm -rf "$artifacts"
  mkdir -p "$corpus" "$artifacts"
  ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/fuzz_$t "$corpus" "fuzz/seeds/$t" \
    -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts" -print_final_stats=1 >"build-fuzz/$t.log" 2>&1
  local status=$?
  for f in "$artifacts"*; do
    [ -f "$f" ] && cp "$f" "fuzz/regressions/$t/$(basename "$f")"
  done
  local execs
  execs=$(grep -E 'stat::number_of_executed_units' "build-fuzz/$t.log" | awk '{print $2}')
  echo "$t: status $status, ${execs:-?} executions in ${seconds} s, corpus $(ls "$corpus" | wc -l) inputs, failures $(ls "$artifacts" | wc -l)"
}

: > build-fuzz/summary.txt
running=0
for t in "${targets[@]}"; do
  run_one "$t" >> build-fuzz/summary.txt &
  running=$((running + 1))
  if [ "$running" -ge "${FUZZ_JOBS:-2}" ]; then wait -n; running=$((running - 1)); fi
done
wait
cat build-fuzz/summary.txt
