#!/usr/bin/env bash
# Installs the build, stripped, into a temporary prefix whose path a desktop entry has to quote
# (it holds a space) and that is on no search path, and starts the installed desktop entry as a
# desktop does (gio launch): the entry names the installed program and icon by their full paths,
# and the program it starts runs (offscreen) with the installed libraries.
# Usage: check_desktop_entry.sh <build dir> <bindir> <libdir> <datadir>
set -euo pipefail
build=$1 bindir=$2 libdir=$3 datadir=$4

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$work/my programs"

cmake --install "$build" --prefix "$prefix" --strip >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

program=$prefix/$bindir/kelto-line
for file in "$program" "$prefix/$libdir/libvexachart.so" "$prefix/$libdir/libzavquickinfo.so"; do
  readelf -S "$(readlink -f "$file")" | grep -q '\.symtab' && fail "$file is not stripped"
done

entry=$prefix/$datadir/applications/kelto-line.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -qxF "Icon=$prefix/$datadir/icons/hicolor/scalable/apps/kelto-line.svg" "$entry" \
  || fail "the entry does not name the installed icon: $(grep '^Icon=' "$entry")"
[ -f "$prefix/$datadir/icons/hicolor/scalable/apps/kelto-line.svg" ] || fail "no icon"

# Started as a desktop starts it, from elsewhere, with a PATH that does not hold the prefix.
mkdir -p "$work/home" "$work/config" "$work/run" "$work/elsewhere"
chmod 700 "$work/run"
settings=$work/config/kelto-line/Kelto_VX.ini
(cd "$work/elsewhere" && env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen \
  PATH=/usr/bin:/bin gio launch "$entry") >"$work/launch.log" 2>&1 || { cat "$work/launch.log"; fail "gio launch"; }

# The started program: the process running the installed file.
for _ in $(seq 1 240); do
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" = "$program" ] && { pid=${p#/proc/}; break; }
  done
  [ -n "$pid" ] && [ -f "$settings" ] && break
  sleep 0.5
done
[ -n "$pid" ] || { cat "$work/launch.log"; fail "the desktop entry started no installed program ($(grep '^Exec=' "$entry"))"; }
[ -f "$settings" ] || fail "the program started by the entry wrote no settings"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program started by the entry ended"
for lib in vexachart zavquickinfo; do
  grep -qF "$prefix/$libdir/lib$lib.so" "/proc/$pid/maps" || fail "lib$lib not loaded from the prefix"
done
echo "$(grep '^Exec=' "$entry") started $program"
