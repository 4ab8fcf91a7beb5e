#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: layout, library
# versions, the system folder as the program resolves it, that only the headers a host uses are
# installed, that programs of someone else build against the installed libraries through
# find_package alone (with the compiler in $KELTO_CXX and further compiler flags in
# $KELTO_CXX_FLAGS) and run, that pkg-config gives what a host needs to build and link, and that
# the installed program starts (offscreen) with the installed libraries and keeps running.
# Usage: check_install.sh <build dir> <source dir> <bindir> <libdir> <datadir> <includedir> <paths checker>
set -euo pipefail
build=$1 source=$2 bindir=$3 libdir=$4 datadir=$5 includedir=$6 checker=$7

work=$(mktemp -d)
# Nothing started here writes into the home of the user who runs the test.
mkdir -p "$work/home" "$work/config"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

# Layout.
[ -x "$prefix/$bindir/kelto-line" ] || fail "no $bindir/kelto-line"
[ ! -e "$prefix/$bindir/system" ] || fail "a system folder beside the installed program"
for lib in vexachart zavquickinfo; do
  so=$prefix/$libdir/lib$lib.so
  real=$(readlink -f "$so")
  [[ "$real" =~ /lib$lib\.so\.[0-9]+\.[0-9]+(\.[0-9]+)?$ ]] || fail "lib$lib.so does not point to a versioned file ($real)"
  soname=$(readelf -d "$real" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [[ "$soname" =~ ^lib$lib\.so\.[0-9]+$ ]] || fail "lib$lib has soname '$soname'"
  [ "$(readlink -f "$prefix/$libdir/$soname")" = "$real" ] || fail "no $soname link"
done
for header in chart/control/vexachart.h chart/control/chart.h chart/control/widget.h chart/pages/propertypages.h \
              common/colour.h common/error.h tooltip/clsquickinfo.h; do
  [ -f "$prefix/$includedir/kelto-line/$header" ] || fail "header $header not installed"
done
system=$prefix/$datadir/kelto-line/system
# The .keep file only holds the folder in the repository.
[ ! -e "$system/.keep" ] || fail "the repository's .keep file installed"
diff <(cd "$source/program/system" && find . -type f ! -name .keep | sort) <(cd "$system" && find . -type f | sort) \
  || fail "installed system folder differs from program/system"
[ -f "$prefix/$datadir/applications/kelto-line.desktop" ] || fail "no desktop entry"
grep -qxF "Exec=$prefix/$bindir/kelto-line" "$prefix/$datadir/applications/kelto-line.desktop" || fail "desktop entry starts something else"
[ -f "$prefix/$datadir/icons/hicolor/scalable/apps/kelto-line.svg" ] || fail "no icon"
runpath=$(readelf -d "$prefix/$bindir/kelto-line" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ "$runpath" = "\$ORIGIN/$(realpath -m --relative-to="/$bindir" "/$libdir")" ] || fail "program RUNPATH '$runpath'"

# The program resolves its system folder in the share folder and finds every file it names there.
"$checker" "$prefix/$bindir" "$system" || fail "system folder of the installed program"

# Only the headers a host uses are installed: the two libraries' headers, the error type hosts
# catch, and what they include.
included() {
  local todo=("$@") seen=() h
  while [ ${#todo[@]} -gt 0 ]; do
    h=${todo[0]}
    todo=("${todo[@]:1}")
    [[ " ${seen[*]} " == *" $h "* ]] && continue
    seen+=("$h")
    todo+=($(sed -n 's/^#include "\(.*\)"/\1/p' "$source/$h"))
  done
  printf '%s\n' "${seen[@]}" | sort
}
diff <(included chart/control/vexachart.h tooltip/clsquickinfo.h common/error.h) \
  <(cd "$prefix/$includedir/kelto-line" && find . -type f | sed 's|^\./||' | sort) \
  || fail "the installed headers are not those a host includes"

# Programs of someone else's build against the installed libraries through find_package alone and
# run: one places, fills and renders a chart, attaches tooltips and calls a function of every
# installed header; one edits a chart on its property pages.
if [ -n "${KELTO_CXX:-}" ]; then
  mkdir -p "$work/host"
  cp "$source/tests/install/consumer.cpp" "$source/tests/install/pageshost.cpp" "$work/host/"
  cat >"$work/host/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(host LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Vexachart REQUIRED)
find_package(ZavQuickInfo REQUIRED)
# Each imported target names the installed header folder, once.
foreach(target Vexachart::vexachart ZavQuickInfo::zavquickinfo)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(once ${dirs})
  list(REMOVE_DUPLICATES once)
  if(NOT dirs STREQUAL once OR NOT EXISTS "${once}/common/colour.h")
    message(FATAL_ERROR "${target}: include folders ${dirs}")
  endif()
endforeach()
add_executable(consumer consumer.cpp)
target_link_libraries(consumer PRIVATE Vexachart::vexachart ZavQuickInfo::zavquickinfo)
add_executable(pageshost pageshost.cpp)
target_link_libraries(pageshost PRIVATE Vexachart::vexachart)
EOF
  cmake -S "$work/host" -B "$work/host/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_CXX_COMPILER="$KELTO_CXX" -DCMAKE_CXX_FLAGS="${KELTO_CXX_FLAGS:-}" \
    >"$work/host.log" 2>&1 || { cat "$work/host.log"; fail "the installed packages are not found"; }
  cmake --build "$work/host/build" >>"$work/host.log" 2>&1 \
    || { cat "$work/host.log"; fail "the hosts cannot be built against the installed libraries"; }
  for program in consumer pageshost; do
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$work/host/build/$program" || fail "$program, built against them, fails"
  done

  # pkg-config: the flags of both libraries build and link the first host as well.
  export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
  pc_flags=$(pkg-config --cflags --libs vexachart zavquickinfo) || fail "pkg-config does not know the libraries"
  read -r -a pc_flags <<<"$pc_flags"
  read -r -a cxx_flags <<<"${KELTO_CXX_FLAGS:-}"
  "$KELTO_CXX" -std=c++20 -fPIC "${cxx_flags[@]}" -o "$work/consumer-pc" "$source/tests/install/consumer.cpp" \
    "${pc_flags[@]}" -Wl,-rpath,"$prefix/$libdir" || fail "the host cannot be built with the pkg-config flags"
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$work/consumer-pc" >/dev/null \
    || fail "the host built with the pkg-config flags fails"
fi

# The installed program starts with the installed libraries and keeps running.
mkdir -p "$work/run" "$work/config" "$work/home"
chmod 700 "$work/run"
env -u LD_LIBRARY_PATH HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
  QT_QPA_PLATFORM=offscreen "$prefix/$bindir/kelto-line" >"$work/out.log" 2>&1 &
pid=$!
started=$SECONDS
# Start-up writes the settings file; a loaded machine or a sanitizer build may take a while to
# get there. The program must still be running once it has, and at least four seconds on.
settings="$work/config/kelto-line/Kelto_VX.ini"
for _ in $(seq 1 240); do
  [ -f "$settings" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
while [ $((SECONDS - started)) -lt 4 ]; do sleep 0.5; done
kill -0 "$pid" 2>/dev/null || { cat "$work/out.log"; fail "the installed program ended at start-up"; }
for lib in vexachart zavquickinfo; do
  grep -q "$prefix/$libdir/lib$lib.so" "/proc/$pid/maps" || fail "lib$lib not loaded from the prefix"
done
grep -q "$build/" "/proc/$pid/maps" && fail "the installed program loads files of the build tree"
[ -f "$settings" ] || fail "no settings file written at start-up"
echo "installed tree in order; program ran from $prefix"
