#!/usr/bin/env bash
# Installs a configured and built Shapix tree the ways a host developer
# would meet it, and builds an outside program against each:
#   1. `cmake --install` into a staging prefix: file layout;
#   2. find_package(Shapix CONFIG) from that prefix, and the version file
#      refusing an incompatible major version;
#   3. pkg-config --static from that prefix;
#   4. cpack: libshapix-dev and shapix .debs (and shapix-edit where GTK 3
#      was found), their contents (dpkg-deb -c) and Depends (dpkg-deb -f),
#      then both consumers again against the unpacked packages;
#   5. with SHAPIX_INSTALL_DEB=1 and as root: apt-get install ./*.deb and
#      the consumers against /usr with no hints at all, then apt-get purge
#      (unless the packages were installed before).
# Usage: tests/install/check.sh <build-dir> [<work-dir>]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:?usage: check.sh <build-dir> [<work-dir>]}" && pwd)"
work="${2:-$(mktemp -d /tmp/shapix-install.XXXXXX)}"
jobs="${SHAPIX_JOBS:-2}"
# Only ever wipe an empty folder or one an earlier run of this script made.
if [ -d "$work" ] && [ -n "$(ls -A "$work")" ] && [ ! -f "$work/.shapix-install-check" ]; then
  echo "check: $work is not empty and not from an earlier check; refusing to wipe it" >&2
  exit 1
fi
rm -rf "$work"
mkdir -p "$work"
touch "$work/.shapix-install-check"
work="$(cd "$work" && pwd)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || { echo "check: no project version in $build/CMakeCache.txt" >&2; exit 1; }
# The desktop editor is built, installed and packaged exactly where GTK 3 was found.
editor=0
grep -q '^GTK3_FOUND:INTERNAL=1$' "$build/CMakeCache.txt" && editor=1

fail() { echo "check: FAIL: $*" >&2; exit 1; }
step() { echo "== $* =="; }

# The consumer leaves the source tree so that no relative path into it can
# make the build pass by accident.
cp -r "$here/consumer" "$work/src"

# find_package consumer against <prefix>; extra arguments go to cmake.
consume_cmake() {
  local prefix="$1" out="$2"; shift 2
  cmake -S "$work/src" -B "$out" -DCMAKE_BUILD_TYPE=Release "$@" >"$out.log" 2>&1 \
    || { cat "$out.log"; fail "configure against $prefix"; }
  local found
  found="$(sed -n 's/^Shapix_DIR:PATH=//p' "$out/CMakeCache.txt")"
  case "$found" in
    "$prefix"/*) ;;
    *) fail "find_package took Shapix from '$found', not from $prefix" ;;
  esac
  cmake --build "$out" -j"$jobs" >>"$out.log" 2>&1 || { cat "$out.log"; fail "build against $prefix"; }
  (cd "$out" && ./consumer "$out/consumer.png") || fail "consumer built with find_package against $prefix"
}

# pkg-config consumer against the .pc file in <pcdir>.
consume_pkgconfig() {
  local pcdir="$1" out="$2"
  mkdir -p "$out"
  local got
  got="$(PKG_CONFIG_PATH="$pcdir" pkg-config --modversion shapix)" || fail "pkg-config finds no shapix in $pcdir"
  [ "$got" = "$version" ] || fail "shapix.pc says version $got, the project $version"
  local cflags libs
  cflags="$(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags shapix)"
  libs="$(PKG_CONFIG_PATH="$pcdir" pkg-config --static --libs shapix)"
  # shellcheck disable=SC2086
  g++ -std=c++20 $cflags "$work/src/main.cpp" -o "$out/consumer" $libs >"$out.log" 2>&1 \
    || { cat "$out.log"; echo "cflags: $cflags"; echo "libs: $libs"; fail "pkg-config build against $pcdir"; }
  (cd "$out" && ./consumer "$out/consumer.png") || fail "consumer built with pkg-config against $pcdir"
}

step "cmake --install into $work/stage"
stage="$work/stage"
cmake --install "$build" --prefix "$stage" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
lib="$(cd "$stage" && find . -name libshapix.a | sed 's|^\./||')"
[ -n "$lib" ] || fail "no libshapix.a installed"
libdir="$(dirname "$lib")"
for f in include/shapix/Shapix.h include/shapix/platform/AfxWin.h include/shapix/control/ShapixCtrl.h \
    "$libdir/cmake/Shapix/ShapixConfig.cmake" "$libdir/cmake/Shapix/ShapixConfigVersion.cmake" \
    "$libdir/cmake/Shapix/ShapixTargets.cmake" "$libdir/pkgconfig/shapix.pc" \
    bin/shapix share/shapix/samples/plate.json share/shapix/samples/demo.shapix; do
  [ -f "$stage/$f" ] || fail "$f not installed"
done
[ ! -e "$stage/include/platform" ] || fail "platform/ headers installed straight into include/"
# Every header the umbrella header reaches must be installed: compile it
# from the staged include folder alone.
echo '#include "Shapix.h"' | g++ -std=c++20 -fsyntax-only -I"$stage/include/shapix" -x c++ - \
  || fail "Shapix.h does not compile from the installed headers alone"
"$stage/bin/shapix" --help >/dev/null || fail "installed shapix --help"
if [ "$editor" = 1 ]; then
  [ -f "$stage/bin/shapix-edit" ] || fail "bin/shapix-edit not installed"
  "$stage/bin/shapix-edit" --help | grep -q "usage: shapix-edit" || fail "installed shapix-edit --help"
fi

step "find_package(Shapix) from the staging prefix"
consume_cmake "$stage" "$work/cmake" -DCMAKE_PREFIX_PATH="$stage"
if cmake -S "$work/src" -B "$work/cmake-v99" -DCMAKE_PREFIX_PATH="$stage" \
    -DSHAPIX_WANT_VERSION=99.0 >"$work/cmake-v99.log" 2>&1; then
  fail "find_package(Shapix 99.0) accepted version $version"
fi
grep -q "ShapixConfig.cmake, version: $version" "$work/cmake-v99.log" \
  || { cat "$work/cmake-v99.log"; fail "find_package(Shapix 99.0) failed for another reason than the version"; }

step "pkg-config --static from the staging prefix"
consume_pkgconfig "$stage/$libdir/pkgconfig" "$work/pc"

step "cpack -G DEB"
deb="$work/deb"
(cd "$build" && cpack -G DEB -B "$deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
devdeb="$(ls "$deb"/libshapix-dev_"$version"_*.deb)" || fail "no libshapix-dev .deb"
tooldeb="$(ls "$deb"/shapix_"$version"_*.deb)" || fail "no shapix .deb"
dpkg-deb -c "$devdeb" >"$work/dev.list"
dpkg-deb -c "$tooldeb" >"$work/tool.list"
has() { grep -qE " \./$2\$" "$1" || fail "$(basename "$1" .list) package lacks $2"; }
lacks() { ! grep -qE " \./$2" "$1" || fail "$(basename "$1" .list) package holds $2"; }
has "$work/dev.list" "usr/include/shapix/Shapix.h"
has "$work/dev.list" "usr/include/shapix/platform/AfxWin.h"
has "$work/dev.list" "usr/lib/([a-z0-9_-]+/)?libshapix\.a"
has "$work/dev.list" "usr/lib/([a-z0-9_-]+/)?cmake/Shapix/ShapixConfig\.cmake"
has "$work/dev.list" "usr/lib/([a-z0-9_-]+/)?pkgconfig/shapix\.pc"
lacks "$work/dev.list" "usr/bin/"
has "$work/tool.list" "usr/bin/shapix"
has "$work/tool.list" "usr/share/shapix/samples/plate\.json"
lacks "$work/tool.list" "usr/include/"
lacks "$work/tool.list" "usr/lib/"
# The tool stays free of GTK; the editor has its own package.
lacks "$work/tool.list" "usr/bin/shapix-edit"
devdeps="$(dpkg-deb -f "$devdeb" Depends)"
tooldeps="$(dpkg-deb -f "$tooldeb" Depends)"
echo "libshapix-dev Depends: $devdeps"
echo "shapix Depends: $tooldeps"
for d in libfreetype-dev libfontconfig-dev libpng-dev; do
  [[ ", $devdeps," == *", $d"[\ ,]* ]] || fail "libshapix-dev does not depend on $d"
done
for d in libc6 libstdc++6 libfreetype6 libfontconfig1 libpng16-16; do
  [[ ", $tooldeps," == *", $d"[\ ,]* ]] || fail "shapix does not depend on $d"
done
[ "$(dpkg-deb -f "$devdeb" Version)" = "$version" ] || fail "libshapix-dev version is not $version"
[[ ", $tooldeps," != *", libgtk-3-0"[\ ,]* ]] || fail "shapix depends on GTK"
editordeb=""
if [ "$editor" = 1 ]; then
  editordeb="$(ls "$deb"/shapix-edit_"$version"_*.deb)" || fail "no shapix-edit .deb"
  dpkg-deb -c "$editordeb" >"$work/editor.list"
  has "$work/editor.list" "usr/bin/shapix-edit"
  lacks "$work/editor.list" "usr/include/"
  lacks "$work/editor.list" "usr/share/shapix/"
  editordeps="$(dpkg-deb -f "$editordeb" Depends)"
  echo "shapix-edit Depends: $editordeps"
  for d in libc6 libstdc++6 libgtk-3-0 libfreetype6 libfontconfig1 libpng16-16; do
    [[ ", $editordeps," == *", $d"[\ ,]* ]] || fail "shapix-edit does not depend on $d"
  done
else
  ! ls "$deb"/shapix-edit_*.deb >/dev/null 2>&1 || fail "a shapix-edit .deb without GTK"
fi

step "consumers against the unpacked .debs"
root="$work/root"
dpkg-deb -x "$devdeb" "$root"
dpkg-deb -x "$tooldeb" "$root"
consume_cmake "$root/usr" "$work/deb-cmake" -DCMAKE_PREFIX_PATH="$root/usr"
consume_pkgconfig "$(dirname "$(find "$root" -name shapix.pc)")" "$work/deb-pc"

if [ "${SHAPIX_INSTALL_DEB:-0}" = 1 ]; then
  step "apt-get install the .debs and build against /usr"
  [ "$(id -u)" -eq 0 ] || fail "SHAPIX_INSTALL_DEB=1 needs root"
  # Leave the machine as it was: a stale libshapix-dev in /usr would be
  # found by every later find_package(Shapix) without a prefix.
  if ! dpkg-query -W libshapix-dev shapix >/dev/null 2>&1; then
    trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq libshapix-dev shapix shapix-edit >/dev/null 2>&1 || true' EXIT
  fi
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$devdeb" "$tooldeb" $editordeb >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get install the .debs"; }
  consume_cmake /usr "$work/sys-cmake"
  consume_pkgconfig "" "$work/sys-pc"
  shapix --help >/dev/null || fail "installed shapix --help"
  [ -z "$editordeb" ] || shapix-edit --help >/dev/null || fail "installed shapix-edit --help"
fi

echo "check: install tree, CMake package, pkg-config and .debs all fine ($work)"
