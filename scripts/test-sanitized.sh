#!/usr/bin/env bash
# Builds and runs the whole test suite once more under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-asan BUILD_TYPE=Debug bash scripts/build.sh -DKVX_SANITIZE=ON -DKVX_BUILD_BENCHMARKS=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
ctest --test-dir build-asan --output-on-failure --timeout 900 -j "$(nproc)" -E '^formatting$'
