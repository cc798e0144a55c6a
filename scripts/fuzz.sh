#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a while.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Each target keeps its corpus in build-fuzz/corpus/<target>; a crash stops
# the run and leaves its input in build-fuzz/ as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DMEMORA_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(sed -n 's/^memora_add_fuzzer(\(.*\))$/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build build-fuzz -j"$(nproc)" --target $targets >/dev/null
for target in $targets; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "== $target: ${seconds}s"
  (cd build-fuzz && "fuzz/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      "corpus/$target" 2>&1 | grep -E '^(#[0-9]+[[:space:]]*DONE|stat::number_of_executed_units|stat::peak_rss|Done|==[0-9]+==ERROR|SUMMARY|property broken)' || true)
  for kind in crash leak timeout oom; do
    if compgen -G "build-fuzz/$kind-*" >/dev/null; then
      echo "$target failed ($kind); inputs:" build-fuzz/"$kind"-*
      exit 1
    fi
  done
done
echo "fuzzing: no crash"
