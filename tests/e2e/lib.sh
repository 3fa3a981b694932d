#!/usr/bin/env bash
# Shared steps of the end-to-end runs: a private X server, a copy of the binary alone in a
# fresh folder, and waiting for windows by their names.
set -euo pipefail

E2E_BIN=$1
E2E_ARTIFACTS=${2:-/tmp/kalamo-e2e}
mkdir -p "$E2E_ARTIFACTS"
E2E_DIR=$(mktemp -d /tmp/kalamo-e2e-XXXXXX)
export XDG_CONFIG_HOME=$E2E_DIR/config
export XDG_RUNTIME_DIR=$E2E_DIR/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$E2E_BIN" "$E2E_DIR/kalamo"
XVFB_PID=""
KALAMO_PID=""

e2e_cleanup() {
  [ -n "$KALAMO_PID" ] && kill "$KALAMO_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  chmod -R u+w "$E2E_DIR" 2>/dev/null || true
  rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  shot "failure" || true
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/start-xvfb.sh"

# wait_window NAME-REGEX [SECONDS]: prints the first visible window whose name matches.
wait_window() {
  local pattern=$1 limit=${2:-10} wid
  for _ in $(seq 1 $((limit * 10))); do
    wid=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
    if [ -n "$wid" ]; then
      echo "$wid"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# wait_dialog [SECONDS]: prints a visible window of Kalamo's other than the main window.
wait_dialog() {
  local limit=${1:-10} wid w
  for _ in $(seq 1 $((limit * 10))); do
    for wid in $(xdotool search --onlyvisible --pid "$KALAMO_PID" 2>/dev/null || true); do
      [ "$wid" = "$MAIN_WID" ] && continue
      # Tool tips and other small helper windows are not dialogs.
      w=$(xdotool getwindowgeometry "$wid" 2>/dev/null | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
      [ "${w:-0}" -gt 100 ] && { echo "$wid"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

start_kalamo() {
  (cd "$E2E_DIR" && exec ./kalamo "$@") &
  KALAMO_PID=$!
  MAIN_WID=$(wait_window '^Kalamo7' 15) || fail "the main window did not appear"
  sleep 0.5
}

# click_at X Y: a left click at a place of the main window.
click_at() {
  xdotool mousemove --window "$MAIN_WID" "$1" "$2" click 1
  sleep 0.3
}

shot() {
  import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
}

wait_exit() {
  local limit=${1:-10}
  for _ in $(seq 1 $((limit * 10))); do
    kill -0 "$KALAMO_PID" 2>/dev/null || { wait "$KALAMO_PID" 2>/dev/null || true; KALAMO_PID=""; return 0; }
    sleep 0.1
  done
  return 1
}

# save_through_dialog PATH: with the save dialog coming up, types PATH into it and waits
# until the file is there.
save_through_dialog() {
  local saved=$1 dialog
  dialog=$(wait_dialog 10) || fail "no save dialog"
  sleep 1
  xdotool windowfocus "$dialog" 2>/dev/null || true
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 20 "$saved"
  sleep 0.3
  xdotool key Return
  for _ in $(seq 1 50); do [ -f "$saved" ] && break; sleep 0.1; done
  [ -f "$saved" ] || fail "the file was not saved; the folder holds: $(ls -A "$E2E_DIR" | tr '\n' ' ')"
}
