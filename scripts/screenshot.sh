#!/usr/bin/env bash
# Under a running X server: start Kalamo, wait for its window, take a screenshot, end it.
set -euo pipefail
bin=$1
shot=$2
"$bin" &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name 'Kalamo7' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
if [ -z "$wid" ]; then
  echo "Kalamo's window did not appear" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
sleep 1
import -window root "$shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
