#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a while.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# With MEMORA_WERROR=ON (scripts/check.sh sets it) a compiler warning fails the build.
#
# Each target starts from its committed seeds in fuzz/corpus/<target>, which a
# run never changes, and adds what it finds to a scratch corpus in
# build-fuzz/corpus/<target>. An input that crashes, breaks a property, leaks,
# runs out of memory or takes longer than the per-input timeout is left in
# build-fuzz/artifacts/<target>/, emptied at the start of every run. A target
# that leaves such an input or exits with any other status than 0 fails the
# script, with its name and the input; the other targets still run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
input_timeout=5  # seconds one input may take
rss_limit_mb=2048
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DMEMORA_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMEMORA_WERROR="${MEMORA_WERROR:-OFF}" >/dev/null
targets=$(sed -n 's/^memora_add_fuzzer(\(.*\))$/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build build-fuzz -j"$(nproc)" --target $targets >/dev/null

rm -rf build-fuzz/artifacts build-fuzz/logs
mkdir -p build-fuzz/logs
failed=()
for target in $targets; do
  corpus=build-fuzz/corpus/$target
  artifacts=build-fuzz/artifacts/$target
  log=build-fuzz/logs/$target.log
  mkdir -p "$corpus" "$artifacts"
  echo "== $target: ${seconds}s"
  status=0
  # The outer limit only catches a run that libFuzzer itself cannot stop.
  timeout --kill-after=10 $((seconds + 120)) "build-fuzz/fuzz/$target" \
      -max_total_time="$seconds" -max_len=4096 -timeout="$input_timeout" -rss_limit_mb="$rss_limit_mb" \
      -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(INFO: seed corpus|#[0-9]+[[:space:]]*DONE|stat::number_of_executed_units|stat::peak_rss|Done|==[0-9]+== ?ERROR|SUMMARY|property broken)' "$log" || true
  inputs=$(find "$artifacts" -type f | sort | paste -sd ' ')
  if [[ $status -ne 0 || -n $inputs ]]; then
    echo "$target FAILED (exit status $status); input: ${inputs:-none left}; log: $log"
    failed+=("$target")
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "fuzzing: no failure"
