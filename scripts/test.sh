#!/usr/bin/env bash
# Configures, builds and runs the whole test suite twice: a normal build and
# one with AddressSanitizer and UndefinedBehaviorSanitizer, which fails on
# any report. Installs missing Debian packages first when run as root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup-deps.sh

jobs=${SHAPIX_JOBS:-2}

echo "== normal build =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHAPIX_BUILD_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

echo "== API reference (Doxygen, warnings fail) =="
cmake --build build --target docs

# As root (CI) the packages are also installed with apt-get and purged.
echo "== install tree, CMake package, pkg-config, .deb =="
default_deb=0
[ "$(id -u)" -eq 0 ] && default_deb=1
SHAPIX_INSTALL_DEB="${SHAPIX_INSTALL_DEB:-$default_deb}" bash tests/install/check.sh build build/install-check

echo "== sanitizer build (address, undefined) =="
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSHAPIX_SANITIZE=ON -DSHAPIX_BUILD_TESTS=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$jobs"

echo "== fuzzing (libFuzzer, ${SHAPIX_FUZZ_SECONDS:-60} s per target) =="
bash scripts/fuzz.sh

echo "== valgrind memcheck over the suite =="
bash scripts/valgrind.sh
