#!/usr/bin/env bash
# Installs the Debian packages that building and testing Shapix needs.
# Run as root on a fresh machine; as another user it only reports what is
# missing.
set -euo pipefail

packages=(
  g++
  cmake
  make
  pkg-config
  libgtest-dev
  libbenchmark-dev
  libpng-dev
  libfreetype-dev
  libfontconfig-dev
  fonts-wqy-microhei
  nlohmann-json3-dev
  libdxflib-dev
  python3-ezdxf
  librsvg2-bin
  libgtk-3-dev
  libxfixes-dev
  xvfb
  xdotool
  imagemagick
  doxygen
  dpkg-dev
  file
  clang
  libclang-rt-dev
  libboost-dev
  valgrind
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup-deps: missing packages: ${missing[*]}" >&2
  echo "setup-deps: run as root, or: apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "setup-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
