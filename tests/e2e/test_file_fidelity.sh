#!/usr/bin/env bash
# What Kalamo opens it gives back byte for byte: an LF file and a Latin-1 file opened from
# the command line and closed with "×" ask nothing and stay as they were. A save that fails
# while closing keeps the window open with the text; closing again once the file is
# writable saves it. A plain kill keeps unsaved text in the backup folder.
source "$(dirname "$0")/lib.sh"
start_x

close_label() {
  local width
  width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
  click_at $((width - 25 + 12)) 18
}

lf="$E2E_DIR/notes.txt"
printf '第一行\n第二行\n' | iconv -t GBK >"$lf"
latin1="$E2E_DIR/cafe.txt"
printf 'caf\xe9\n' >"$latin1"
for file in "$lf" "$latin1"; do
  cp "$file" "$file.orig"
  start_kalamo "$file"
  close_label
  if ! wait_exit 5; then
    shot "unexpected-question-$(basename "$file")"
    fail "closing an unchanged $(basename "$file") did not end Kalamo (a question?)"
  fi
  cmp -s "$file" "$file.orig" || fail "$(basename "$file") changed: $(od -An -tx1 "$file")"
done

locked="$E2E_DIR/locked.txt"
printf 'abc\n' >"$locked"
start_kalamo "$locked"
sleep 0.5
xdotool key --delay 50 ctrl+End x y z
sleep 0.3
chmod 444 "$locked"
close_label
question=$(wait_window '^Kalamo$' 10) || fail "no overwrite question"
xdotool windowfocus "$question" 2>/dev/null || true
sleep 0.3
xdotool key Return
report=$(wait_window '^Kalamo$' 10) || fail "no report of the failed save"
shot "failed-save"
xdotool windowfocus "$report" 2>/dev/null || true
sleep 0.3
xdotool key Return
sleep 1
kill -0 "$KALAMO_PID" 2>/dev/null || fail "Kalamo ended although the text could not be saved"
xdotool search --onlyvisible --name '^Kalamo7' >/dev/null || fail "the main window is gone"
shot "still-open"
[ "$(cat "$locked")" = "abc" ] || fail "the read-only file changed"

chmod 644 "$locked"
close_label
question=$(wait_window '^Kalamo$' 10) || fail "no overwrite question the second time"
xdotool windowfocus "$question" 2>/dev/null || true
sleep 0.3
xdotool key Return
wait_exit 10 || fail "Kalamo did not end after a successful save"
# The caret was after the final line break; the LF file keeps its LF line ends.
printf 'abc\nxyz' | cmp -s - "$locked" || fail "saved bytes are $(od -An -tx1 "$locked")"

start_kalamo
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
click_at $((width - 148 + 44)) 48
sleep 0.5
xdotool type --delay 30 "kept"
sleep 0.3
kill -TERM "$KALAMO_PID"
wait_exit 10 || fail "Kalamo did not end on SIGTERM"
# The copies of the files opened above lie beside it (自动保存 is on by default), each
# holding its last text, not the farewell shown when writing ended.
grep -q 'xyz' "$E2E_DIR/备份/locked.txt" \
  || fail "the copy of locked.txt holds '$(cat "$E2E_DIR/备份/locked.txt")'"
backup=$(ls -t "$E2E_DIR/备份/"*.txt 2>/dev/null | head -n1)
[ -n "$backup" ] || fail "no backup after SIGTERM; folder holds: $(ls -A "$E2E_DIR" | tr '\n' ' ')"
grep -q 'kept$' "$backup" || fail "the backup holds '$(cat "$backup")'"
echo "PASS: unchanged files untouched, a failed save keeps the window, SIGTERM keeps the text"
