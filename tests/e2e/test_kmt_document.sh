#!/usr/bin/env bash
# An enciphered document made by another tool (tests/data/chapter.kmt, password 密码):
# "开始/打开文件", its path in the open dialog, the password typed into "kmt密码输入", Enter.
# "立刻保存" over it, "是", Enter in the password window, which shows the password again:
# the file is byte for byte what it was. Opened once more and saved elsewhere as text, it
# is exactly the chapter's GBK text.
source "$(dirname "$0")/lib.sh"
data="$(cd "$(dirname "$0")/../data" && pwd)"
start_x
start_kalamo
cp "$data/chapter.kmt" "$E2E_DIR/chapter.kmt"
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
save_x=$((width - 148 + 44))
# 密 and 码 get keycodes of their own for the whole run (see test_write_and_save.sh).
xmodmap -e "keycode 250 = U5BC6" -e "keycode 251 = U7801"

# type_into_dialog PATH: the path into a file dialog's name field, then Enter.
type_into_dialog() {
  local dialog
  dialog=$(wait_dialog 10) || fail "no file dialog"
  sleep 1
  xdotool windowfocus "$dialog" 2>/dev/null || true
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  sleep 0.3
  xdotool key Return
}

# password_window: waits for "kmt密码输入" and prints its id.
password_window() {
  wait_window '^kmt密码输入$' 10 || fail "the password window did not appear"
}

open_chapter() {
  click_at 18 48  # the start picture opens the menu "开始"; "打开文件" comes first
  sleep 0.5
  xdotool key Down Return
  type_into_dialog "$E2E_DIR/chapter.kmt"
  password_window >/dev/null
  sleep 0.5
}

# answer_overwrite KEY: "是" (y) or "否" (n) to the overwrite question.
answer_overwrite() {
  local box
  box=$(wait_window '^Kalamo$' 10) || fail "no overwrite question"
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.3
  xdotool key "$1"
}

open_chapter
shot "password-window"
xdotool key --delay 80 U5BC6 U7801
sleep 0.3
shot "password-typed"
xdotool key Return
sleep 1
shot "chapter-opened"

# The save replaces the file by a new one: its inode tells that it was written.
inode=$(stat -c %i "$E2E_DIR/chapter.kmt")
click_at "$save_x" 48  # 立刻保存
answer_overwrite y
password_window >/dev/null
sleep 0.5
shot "password-shown-again"
xdotool key Return
for _ in $(seq 1 50); do
  [ "$(stat -c %i "$E2E_DIR/chapter.kmt")" != "$inode" ] && break
  sleep 0.1
done
[ "$(stat -c %i "$E2E_DIR/chapter.kmt")" != "$inode" ] || fail "the document was not saved"
cmp "$data/chapter.kmt" "$E2E_DIR/chapter.kmt" || fail "the saved document differs from the one opened"
saves=$(ls -A "$E2E_DIR" | grep -c '^chapter' || true)
[ "$saves" = 1 ] || fail "the folder holds: $(ls -A "$E2E_DIR" | tr '\n' ' ')"

# Writing ended with the save, and the password with it: it is typed again.
open_chapter
xdotool key --delay 80 U5BC6 U7801
xdotool key Return
sleep 1
click_at "$save_x" 48
answer_overwrite n
type_into_dialog "$E2E_DIR/chapter-text.txt"
for _ in $(seq 1 50); do [ -f "$E2E_DIR/chapter-text.txt" ] && break; sleep 0.1; done
sleep 0.5
shot "saved-as-text"
cmp "$data/chapter.txt" "$E2E_DIR/chapter-text.txt" || fail "the deciphered text is not the chapter"
cmp "$data/chapter.kmt" "$E2E_DIR/chapter.kmt" || fail "the document changed"
echo "PASS: the outside .kmt opened under 密码, saved back byte for byte, and reads as its text"
