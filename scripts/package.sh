#!/usr/bin/env bash
# Builds the Debian packages libshapix-dev and shapix into <out-dir>
# (default: out/deb) from a Release build installed under /usr, so the
# library lands in Debian's multiarch folder. Needs dpkg-dev and file for
# the tool's Depends.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

out="${1:-out/deb}"
build="${SHAPIX_PACKAGE_BUILD:-build-deb}"
jobs="${SHAPIX_JOBS:-2}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DSHAPIX_BUILD_TESTS=OFF
cmake --build "$build" -j"$jobs"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
(cd "$build" && cpack -G DEB -B "$out")
rm -rf "$out/_CPack_Packages"
ls -1 "$out"/*.deb
