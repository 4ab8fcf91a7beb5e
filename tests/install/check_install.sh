#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: layout, library
# versions, the system folder as the program resolves it, that another program builds and runs
# against the installed headers and libraries (when $KELTO_CXX names a compiler, with the Qt
# include folders and libraries in $KELTO_QT_INCLUDES and $KELTO_QT_LIBS and further compiler
# flags in $KELTO_CXX_FLAGS), and that the installed
# program starts (offscreen) with the installed libraries and keeps running.
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
diff <(cd "$source/program/system" && find . -type f | sort) <(cd "$system" && find . -type f | sort) \
  || fail "installed system folder differs from program/system"
[ -f "$prefix/$datadir/applications/kelto-line.desktop" ] || fail "no desktop entry"
grep -qxF "Exec=$prefix/$bindir/kelto-line" "$prefix/$datadir/applications/kelto-line.desktop" || fail "desktop entry starts something else"
[ -f "$prefix/$datadir/icons/hicolor/scalable/apps/kelto-line.svg" ] || fail "no icon"
runpath=$(readelf -d "$prefix/$bindir/kelto-line" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ "$runpath" = "\$ORIGIN/$(realpath -m --relative-to="/$bindir" "/$libdir")" ] || fail "program RUNPATH '$runpath'"

# The program resolves its system folder in the share folder and finds every file it names there.
"$checker" "$prefix/$bindir" "$system" || fail "system folder of the installed program"

# Programs of someone else's build against the installed headers and libraries alone and run: one
# places, fills and renders a chart and attaches tooltips; one edits a chart on its property pages.
if [ -n "${KELTO_CXX:-}" ]; then
  IFS=':' read -r -a qt_includes <<<"$KELTO_QT_INCLUDES"
  IFS=':' read -r -a qt_libs <<<"$KELTO_QT_LIBS"
  read -r -a cxx_flags <<<"${KELTO_CXX_FLAGS:-}"
  for program in consumer pageshost; do
    "$KELTO_CXX" -std=c++20 -fPIC "${cxx_flags[@]}" -o "$work/$program" "$source/tests/install/$program.cpp" \
      -I"$prefix/$includedir/kelto-line" "${qt_includes[@]/#/-I}" \
      -L"$prefix/$libdir" -Wl,-rpath,"$prefix/$libdir" -lvexachart -lzavquickinfo "${qt_libs[@]}" \
      || fail "$program cannot be built against the installed libraries"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$work/$program" || fail "$program, built against them, fails"
  done
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
