#!/usr/bin/env bash
# scripts/run without a display, as a user who is not root: it says on the terminal that the
# program runs invisibly under Xvfb and that Ctrl+C ends it; the program starts there with a
# runtime folder of its own (mode 0700, holding the single-instance lock) when the session has
# none, and with the session's own when it has one; Ctrl+C to the terminal's process group ends
# the program and the X server, and removes the private folder.
# Usage: check_run_without_display.sh <source dir> <folder of the built program>
set -euo pipefail
source=$1 bin=$2

work=$(mktemp -d)
sid=
cleanup() {
  if [ -n "$sid" ]; then kill -KILL -- "-$sid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; [ -f "$work/out" ] && cat "$work/out" >&2; exit 1; }

# The commands as the user finds them, with a cmake that builds nothing: the build is there
# already (its bin folder stands in the build folder the script is given).
mkdir -p "$work/bin" "$work/build"
ln -s "$bin" "$work/build/bin"
IFS=':' read -r -a path_dirs <<<"$PATH"
for d in "${path_dirs[@]}"; do
  [ -d "$d" ] && { ln -s -t "$work/bin" -- "$d"/* 2>/dev/null || true; }
done
rm -f "$work/bin/cmake"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/cmake"
chmod 755 "$work/bin/cmake"

# Root runs the script as the unprivileged user "nobody".
as_user=()
user=$(id -u)
if [ "$user" -eq 0 ]; then
  as_user=("$(command -v setpriv)" --reuid=65534 --regid=65534 --clear-groups --)
  user=65534
fi

session_processes() { ps -s "$sid" -o comm= 2>/dev/null || true; }

# check <name> <XDG_RUNTIME_DIR given to the script, or empty for none>
check() {
  local name=$1 given=$2 home=$work/$1
  mkdir -p "$home/tmp" "$home/config"
  chown -R "$user" "$home"
  local env=(PATH="$work/bin" HOME="$home" TMPDIR="$home/tmp" XDG_CONFIG_HOME="$home/config" LANG=C.UTF-8
    KELTO_BUILD_DIR="$work/build")
  [ -n "$given" ] && env+=(XDG_RUNTIME_DIR="$given")
  # A session of its own, as a terminal gives its foreground job a process group of its own, and
  # Ctrl+C acting as it does there (a job started in the background here would ignore it).
  setsid "${as_user[@]}" env --default-signal=INT -i "${env[@]}" "$source/scripts/run" >"$work/out" 2>&1 &
  sid=$!

  local settings=$home/config/kelto-line/Kelto_VX.ini pid=
  for _ in $(seq 1 240); do
    pid=$(ps -s "$sid" -o pid=,comm= | awk '$2 == "kelto-line" { print $1 }')
    [ -n "$pid" ] && [ -f "$settings" ] && break
    kill -0 "$sid" 2>/dev/null || fail "$name: scripts/run ended at start-up"
    sleep 0.5
  done
  [ -n "$pid" ] && [ -f "$settings" ] || fail "$name: the program did not start"
  session_processes | grep -qx Xvfb || fail "$name: the program does not run under Xvfb"
  grep -q "Xvfb" "$work/out" && grep -q "Ctrl+C" "$work/out" \
    || fail "$name: the terminal is not told that the program runs under Xvfb and how to end it"

  local runtime
  runtime=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XDG_RUNTIME_DIR=//p')
  [ -n "$runtime" ] || fail "$name: the program runs without XDG_RUNTIME_DIR"
  if [ -n "$given" ]; then
    [ "$runtime" = "$given" ] || fail "$name: the session's runtime folder $given was replaced by $runtime"
  else
    [ "$(stat -c '%a %u' "$runtime")" = "700 $user" ] || fail "$name: runtime folder $runtime is not the user's alone"
  fi
  [ -e "$runtime/kelto-line.lock" ] || fail "$name: no single-instance lock in $runtime"

  # Ctrl+C: the terminal sends SIGINT to its foreground process group.
  kill -INT -- "-$sid"
  local status=0
  wait "$sid" || status=$?
  for _ in $(seq 1 20); do
    [ -z "$(session_processes)" ] && break
    sleep 0.5
  done
  [ -z "$(session_processes)" ] || fail "$name: still running after Ctrl+C: $(session_processes | tr '\n' ' ')"
  sid=
  [ "$status" -eq 130 ] || fail "$name: scripts/run ended with status $status after Ctrl+C, not as interrupted (130)"
  if [ -n "$given" ]; then
    [ -d "$given" ] || fail "$name: the session's runtime folder was removed"
  else
    [ ! -e "$runtime" ] || fail "$name: the private runtime folder $runtime is left behind"
  fi
  grep -q "XDG_RUNTIME_DIR not set" "$work/out" && fail "$name: Qt ran without a runtime folder"
  echo "$name: ran under Xvfb with runtime folder $runtime; Ctrl+C ended it (status $status)"
}

check "no-runtime-folder" ""
mkdir -p "$work/session-runtime"
chown "$user" "$work/session-runtime"
chmod 700 "$work/session-runtime"
check "session-runtime-folder" "$work/session-runtime"
