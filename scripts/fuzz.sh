#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (build-fuzz/) and runs each for a fixed time
# from its seed corpus in fuzz/corpus/<target>/. Inputs that find new
# coverage go to build-fuzz/corpus/<target>/, a crash, leak or sanitizer
# report to build-fuzz/artifacts/ and fails the script.
#   SHAPIX_FUZZ_SECONDS  seconds per target (default 60)
#   SHAPIX_FUZZ_TARGETS  targets to run (default all three)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup-deps.sh

jobs=${SHAPIX_JOBS:-2}
seconds=${SHAPIX_FUZZ_SECONDS:-60}
read -r -a targets <<< "${SHAPIX_FUZZ_TARGETS:-StringFormsFuzz RegionIntFuzz SessionFuzz}"

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$jobs" --target "${targets[@]}"

rm -rf build-fuzz/artifacts
mkdir -p build-fuzz/artifacts
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: ${seconds} s =="
  # -timeout: one input running 10 s counts as a hang.
  build-fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
    "build-fuzz/corpus/$target" "fuzz/corpus/$target" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ +DONE)|ERROR|SUMMARY|Fuzz: |runtime error' || true
  # The pipe hides the fuzzer's status; a finding leaves an artifact.
  if compgen -G "build-fuzz/artifacts/$target-*" > /dev/null; then
    echo "fuzz: $target found a problem:" build-fuzz/artifacts/"$target"-* >&2
    exit 1
  fi
done
