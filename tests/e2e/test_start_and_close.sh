#!/usr/bin/env bash
# The real binary, copied alone into a fresh folder, starts with its caption and is
# closed by its "×" label, which leaves setting.ini read-only.
source "$(dirname "$0")/lib.sh"
start_x
start_kalamo
name=$(xdotool getwindowname "$MAIN_WID")
[ "$name" = "Kalamo7—高效率写作工具 v7.3 简单·不简单" ] || fail "caption is '$name'"
shot "start"
[ -f "$E2E_DIR/setting.ini" ] || fail "no setting.ini after start-up"
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
click_at $((width - 25 + 12)) 18
wait_exit 10 || fail "Kalamo did not end after the close label was clicked"
mode=$(stat -c %a "$E2E_DIR/setting.ini")
case "$mode" in
  *[2367]*) fail "setting.ini is still writable (mode $mode)" ;;
esac
echo "PASS: caption, close label, read-only setting.ini (mode $mode)"
