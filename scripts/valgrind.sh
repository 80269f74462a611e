#!/usr/bin/env bash
# Runs the GoogleTest suite of the normal build (build/, as scripts/test.sh
# leaves it; built here when missing) under valgrind memcheck: any invalid
# read or write, use of uninitialised memory or definite or indirect leak
# fails it. The soak test runs 2,000 events here instead of 100,000, which
# would take hours under valgrind. tests/robustness/valgrind.supp silences
# glibc's AVX2 wmemcmp, whose aligned over-reads valgrind 3.19 reports.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup-deps.sh

jobs=${SHAPIX_JOBS:-2}
if [ ! -x build/tests/shapix_tests ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHAPIX_BUILD_TESTS=ON
  cmake --build build -j"$jobs" --target shapix_tests
fi

SHAPIX_SOAK_EVENTS=${SHAPIX_SOAK_EVENTS:-2000} \
  valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
    --suppressions=tests/robustness/valgrind.supp --quiet \
    build/tests/shapix_tests --gtest_brief=1
