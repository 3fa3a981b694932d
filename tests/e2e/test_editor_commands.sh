#!/usr/bin/env bash
# The editor's commands on the real window: a title and Enter, an expression typed and
# selected, Ctrl+M, Ctrl+L, Ctrl+1 for a stored phrase, save. The file holds exactly the
# expected bytes.
source "$(dirname "$0")/lib.sh"
start_x
printf '[文本设置]\r\nfirst=真\r\n[快捷设置]\r\n0=此致敬礼\r\n' | iconv -f UTF-8 -t GB18030 \
  > "$E2E_DIR/setting.ini"
mkdir -p "$XDG_CONFIG_HOME/kalamo"
printf '[kalamo]\ndizhi=%s\n' "$E2E_DIR" > "$XDG_CONFIG_HOME/kalamo/machine.ini"
start_kalamo

# The title box: focus it, type, Enter starts writing (an article under that title).
click_at 400 48
xdotool type --delay 30 "calc"
xdotool key Return
sleep 0.7
xdotool type --delay 40 "(1234+5678)*90/100="
sleep 0.3
# Select the expression: from the end of the line back to its start.
xdotool key shift+Home
sleep 0.3
xdotool key ctrl+m
sleep 0.5
xdotool key ctrl+l
sleep 0.3
xdotool key ctrl+1
sleep 0.5
shot "editor-commands"

width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
click_at $((width - 148 + 44)) 48
saved="$E2E_DIR/calc-saved.txt"
save_through_dialog "$saved"

divider="\r\n---------------------------------分割线---------------------------------\r\n"
expected=$(printf "calc\r\n(1234+5678)*90/100 = 6220.8${divider}此致敬礼" | iconv -f UTF-8 -t GB18030 \
  | od -An -tx1 | tr -d ' \n')
actual=$(od -An -tx1 "$saved" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "saved: $(iconv -f GB18030 -t UTF-8 "$saved" | od -c | head -20)"
echo "PASS: expression, divider and phrase saved byte for byte"
