#!/usr/bin/env bash
# Points that disagree with their mirror in machine.ini: declining the reset ends the
# program through its shut-down, which leaves setting.ini read-only.
source "$(dirname "$0")/lib.sh"
start_x
printf '[文本设置]\nfirst=真\n' | iconv -f UTF-8 -t GB18030 > "$E2E_DIR/setting.ini"
mkdir -p "$XDG_CONFIG_HOME/kalamo"
printf '[kalamo]\nfen=5\ndizhi=%s\n' "$E2E_DIR" > "$XDG_CONFIG_HOME/kalamo/machine.ini"
(cd "$E2E_DIR" && exec ./kalamo) &
KALAMO_PID=$!
box=$(wait_window '^Kalamo$' 15) || fail "the reset question did not appear"
shot "points-reset-question"
xdotool windowfocus "$box" 2>/dev/null || true
sleep 0.3
xdotool key n
wait_exit 10 || fail "Kalamo did not end after the reset was declined"
mode=$(stat -c %a "$E2E_DIR/setting.ini")
case "$mode" in
  *[2367]*) fail "setting.ini is still writable (mode $mode)" ;;
esac
grep -q '^fen=5' "$XDG_CONFIG_HOME/kalamo/machine.ini" || fail "the mirror changed"
echo "PASS: reset declined, program ended through its shut-down (mode $mode)"
