#!/usr/bin/env bash
# Start writing, type, Ctrl+H: "替换" opens; replace all "ab" by "xyz" and find "xyz" in
# "查找"; the saved file holds the replaced text. Ctrl+F and Ctrl+H reach the windows
# through the main window's shortcuts, and the windows' own buttons and boxes work.
source "$(dirname "$0")/lib.sh"
start_x
start_kalamo
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
start_x_pos=$((width - 148 + 44))

click_at "$start_x_pos" 48
sleep 0.5
xdotool type --delay 30 "ab Ab ab"
sleep 0.3
xdotool key ctrl+h
replace=$(wait_window '^替换$' 10) || fail "Ctrl+H opened no window"
sleep 0.5
xdotool windowfocus "$replace" 2>/dev/null || true
sleep 0.3
xdotool type --delay 30 "ab"
xdotool key Tab
xdotool type --delay 30 "xyz"
sleep 0.3
shot "replace-window"
xdotool key alt+a
sleep 0.5
shot "replaced"
xdotool mousemove --window "$replace" 332 119 click 1
sleep 0.5
xdotool search --onlyvisible --name '^替换$' >/dev/null 2>&1 && fail "取消 left the replace window open"
xdotool windowfocus "$MAIN_WID" 2>/dev/null || true
sleep 0.3
xdotool key ctrl+Home
xdotool key ctrl+f
find=$(wait_window '^查找$' 10) || fail "Ctrl+F opened no window"
sleep 0.5
shot "find-window"
xdotool windowfocus "$find" 2>/dev/null || true
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 30 "xyz"
xdotool key Return
sleep 0.5
shot "found"
# "取消" hides the window.
xdotool mousemove --window "$find" 297 55 click 1
sleep 0.5
xdotool search --onlyvisible --name '^查找$' >/dev/null 2>&1 && fail "取消 left the find window open"

click_at "$start_x_pos" 48
saved="$E2E_DIR/replaced.txt"
save_through_dialog "$saved"
second=$(iconv -f GB18030 -t UTF-8 "$saved" | tail -n +2)
[ "$second" = "xyz xyz xyz" ] || fail "the text is '$second'"
echo "PASS: Ctrl+H replaced every match, Ctrl+F found one, the saved text holds the result"
