#!/usr/bin/env bash
# The pkg-config files name the installed folders also where the library or header folder is given
# as an absolute path (GNUInstallDirs allows both): configures the project that way into a
# temporary folder and asks pkg-config, as a host does, for the folders of both libraries.
# Usage: check_pkgconfig_folders.sh <source dir> <C++ compiler>
set -euo pipefail
source=$1 cxx=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=$work/prefix

# Each case: the library folder, the header folder, and where they end up (a relative library
# folder is found from the installed file's own place, which this build folder is not: unchecked).
cases=(
  "$prefix/lib64|include|$prefix/lib64|$prefix/include"
  "lib|$prefix/headers||$prefix/headers"
)
for case in "${cases[@]}"; do
  IFS='|' read -r libdir includedir wantLib wantInclude <<<"$case"
  build=$work/build
  rm -rf "$build"
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DKELTO_BUILD_TESTS=OFF -DKELTO_BUILD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="$libdir" -DCMAKE_INSTALL_INCLUDEDIR="$includedir" \
    >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configure with $libdir and $includedir"; }
  for lib in chart/vexachart tooltip/zavquickinfo; do
    name=${lib#*/}
    export PKG_CONFIG_PATH="$build/${lib%/*}/package"
    got=$(pkg-config --variable=libdir "$name") || fail "pkg-config does not read $name.pc"
    [ -z "$wantLib" ] || [ "$got" = "$wantLib" ] || fail "$name: libdir $got, not $wantLib (CMAKE_INSTALL_LIBDIR=$libdir)"
    got=$(pkg-config --variable=includedir "$name")
    [ "$got" = "$wantInclude/kelto-line" ] || fail "$name: includedir $got, not $wantInclude/kelto-line (CMAKE_INSTALL_INCLUDEDIR=$includedir)"
  done
  echo "libdir $libdir, includedir $includedir: both .pc files name ${wantLib:-their own place} and $wantInclude/kelto-line"
done
