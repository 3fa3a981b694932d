#!/usr/bin/env bash
# Start writing, type, "立刻保存", save through the dialog: the file holds exactly the header
# line and the typed text in GBK. Then F9, pressed while another program has the focus,
# reaches Kalamo, which answers that writing has not started.
source "$(dirname "$0")/lib.sh"
start_x
start_kalamo
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
start_x_pos=$((width - 148 + 44))

click_at "$start_x_pos" 48
sleep 0.5
# The Chinese characters get keycodes of their own for the whole run: xdotool's on-the-fly
# remapping can be overtaken by the key events on a busy machine.
xmodmap -e "keycode 250 = U4F60" -e "keycode 251 = U597D"
sleep 0.3
xdotool type --delay 30 "hello "
xdotool key --delay 80 U4F60 U597D
sleep 0.5
shot "writing"
click_at "$start_x_pos" 48
saved="$E2E_DIR/draft-1.txt"
save_through_dialog "$saved"
sleep 0.5
shot "after-save"

text=$(iconv -f GB18030 -t UTF-8 "$saved") || fail "the saved file is not GBK"
first=$(printf '%s' "$text" | head -n1 | tr -d '\r')
second=$(printf '%s' "$text" | tail -n +2)
[[ "$first" =~ ^临时文本：\ 产生于[0-9]{4}年[0-9]+月[0-9]+日[0-9]+时[0-9]+分[0-9]+秒\ \ \ \ by：Kalamo$ ]] \
  || fail "header line is '$first'"
[ "$second" = "hello 你好" ] || fail "typed text is '$second'"
lines=$(od -An -tx1 "$saved" | tr -d ' \n')
[[ "$lines" == *0d0a68656c6c6f20c4e3bac3 ]] || fail "bytes are not GBK with CR LF: $lines"

xmessage -geometry +900+700 "another program" &
other=$!
other_wid=$(wait_window '^xmessage$' 10) || fail "no other window"
xdotool windowfocus --sync "$other_wid" 2>/dev/null || xdotool windowfocus "$other_wid"
sleep 0.3
xdotool key F9
box=$(wait_window '^Kalamo$' 10) || fail "F9 did not reach Kalamo"
shot "f9-message"
xdotool windowfocus "$box" 2>/dev/null || true
sleep 0.3
xdotool key Return
kill "$other" 2>/dev/null || true
echo "PASS: saved header and typed text in GBK; F9 from another window reached Kalamo"
