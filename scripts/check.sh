#!/usr/bin/env bash
# The checking builds, after scripts/test.sh has set the machine up: the whole
# test suite built with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and run headless, then a short pass of every fuzz target. Both
# builds, as the test build, treat every compiler warning as an error.
# Usage: scripts/check.sh [FUZZ_SECONDS_PER_TARGET]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

# clang with libFuzzer and the sanitizer runtimes, installed when missing.
bash scripts/install-missing.sh clang libclang-rt-14-dev

echo "== sanitizer build (build-asan)"
cmake -S . -B build-asan -DMEMORA_SANITIZE=ON -DMEMORA_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== fuzzing, ${seconds}s per target"
MEMORA_WERROR=ON bash scripts/fuzz.sh "$seconds"
