#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
BUILD_DIR=build-fuzz BUILD_TYPE=RelWithDebInfo bash scripts/build.sh \
  -DCMAKE_CXX_COMPILER=clang++ -DKVX_BUILD_FUZZERS=ON -DKVX_BUILD_GUI=OFF -DKVX_BUILD_BENCHMARKS=OFF
for target in build-fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  args=(-max_total_time="$seconds" -print_final_stats=1 "$corpus")
  [ -d "tests/fuzz/seeds/${name#fuzz_}" ] && args+=("tests/fuzz/seeds/${name#fuzz_}")
  echo "== $name for ${seconds}s"
  status=0
  "$target" "${args[@]}" >"$corpus.log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$corpus.log" || true
  rm -rf "$corpus" "$corpus.log"
  [ "$status" -eq 0 ] || { echo "$name failed"; exit 1; }
done
