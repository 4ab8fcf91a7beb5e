#!/usr/bin/env bash
# scripts/setup, scripts/run and scripts/test run by a user who is not root, on a machine without
# sudo, while Debian packages are missing: each says what is missing and what to run as root,
# ends with status 1, and neither installs nor builds anything. With nothing missing the same
# user gets through set-up.
# Usage: check_setup_without_sudo.sh <source dir>
set -euo pipefail
source=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Commands as the user finds them, without sudo; apt-get and cmake note that they were called.
mkdir -p "$work/bin" "$work/calls" "$work/home"
chmod 777 "$work/calls"
IFS=':' read -r -a path_dirs <<<"$PATH"
for d in "${path_dirs[@]}"; do
  [ -d "$d" ] && { ln -s -t "$work/bin" -- "$d"/* 2>/dev/null || true; }
done
rm -f "$work/bin/sudo" "$work/bin/apt-get" "$work/bin/cmake"
for tool in apt-get cmake; do
  printf '#!/bin/sh\ntouch "%s/%s"\nexit 1\n' "$work/calls" "$tool" >"$work/bin/$tool"
  chmod 755 "$work/bin/$tool"
done

# An empty package database: dpkg-query reports every package as not installed.
mkdir -p "$work/dpkg"
: >"$work/dpkg/status"

# Root runs the scripts as the unprivileged user "nobody".
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=("$(command -v setpriv)" --reuid=65534 --regid=65534 --clear-groups --)
  chown 65534 "$work/home"
fi

run() { # run <script> <dpkg admin dir>: output in $work/out, status in $status
  status=0
  "${as_user[@]}" env -i PATH="$work/bin" HOME="$work/home" LANG=C.UTF-8 DPKG_ADMINDIR="$2" \
    KELTO_BUILD_DIR="$work/build" "$source/scripts/$1" >"$work/out" 2>&1 || status=$?
}

for script in setup run test; do
  run "$script" "$work/dpkg"
  [ "$status" -eq 1 ] || { cat "$work/out"; fail "scripts/$script ended with status $status, not 1"; }
  grep -q "no sudo" "$work/out" || { cat "$work/out"; fail "scripts/$script does not say that sudo is missing"; }
  grep -qE "^Missing Debian packages: .*\bcmake\b.*\bxdg-utils\b" "$work/out" \
    || { cat "$work/out"; fail "scripts/$script does not name the missing packages"; }
  grep -qF "Run as root:  $source/scripts/setup" "$work/out" \
    || { cat "$work/out"; fail "scripts/$script does not say what to run as root"; }
  grep -qi "command not found" "$work/out" && { cat "$work/out"; fail "scripts/$script runs a command that is not there"; }
  [ -z "$(ls -A "$work/calls")" ] || fail "scripts/$script called $(ls "$work/calls")"
  [ ! -e "$work/build" ] || fail "scripts/$script made a build folder"
  echo "scripts/$script: stops with the message, installs and builds nothing"
done

# With the machine's own package database nothing is missing (the test machine is set up), so
# the same user goes through set-up without being stopped and without installing.
run setup "${DPKG_ADMINDIR:-/var/lib/dpkg}"
[ "$status" -eq 0 ] || { cat "$work/out"; fail "scripts/setup stops a user although nothing is missing"; }
[ -z "$(ls -A "$work/calls")" ] || fail "scripts/setup called $(ls "$work/calls") with nothing missing"
echo "scripts/setup: nothing missing, nothing to do"
