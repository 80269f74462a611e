#!/usr/bin/env bash
# Builds the Google Benchmark programs in Release (build-bench/) and runs
# them all, one core, writing build-bench/bench.json beside the console
# table. Arguments go to the benchmark program, e.g.
#   bash scripts/bench.sh --benchmark_filter=Paint
# Installs missing Debian packages first when run as root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup-deps.sh

jobs=${SHAPIX_JOBS:-2}

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSHAPIX_BUILD_TESTS=OFF -DSHAPIX_BUILD_BENCH=ON
cmake --build build-bench -j"$jobs" --target shapix_bench
# One benchmark thread, pinned to one core when taskset is there, so that
# the figures read as "one core of this machine".
pin=()
if command -v taskset > /dev/null; then
  pin=(taskset -c 0)
fi
"${pin[@]}" build-bench/bench/shapix_bench \
  --benchmark_out=build-bench/bench.json --benchmark_out_format=json "$@"
