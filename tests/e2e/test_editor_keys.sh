#!/usr/bin/env bash
# With a key sound chosen and no audio device: type, hold a key, press Ctrl+1 for a saved
# two-line phrase, save. The file holds the typed keys and the whole phrase; Kalamo logs
# nothing per key and nothing hangs.
source "$(dirname "$0")/lib.sh"
start_x
phrase_hex=$(printf '第一行\r\n第二行' | iconv -f UTF-8 -t GB18030 | od -An -tx1 | tr -d ' \n' \
  | tr 'a-f' 'A-F')
# An installed copy past its first run, so the chosen sound stays chosen.
printf '[软件设置]\r\n键盘音=1\r\n[文本设置]\r\nfirst=真\r\n[快捷设置]\r\n0=~hex:%s\r\n' \
  "$phrase_hex" | iconv -f UTF-8 -t GB18030 > "$E2E_DIR/setting.ini"
mkdir -p "$XDG_CONFIG_HOME/kalamo"
printf '[kalamo]\ndizhi=%s\n' "$E2E_DIR" > "$XDG_CONFIG_HOME/kalamo/machine.ini"
log="$E2E_ARTIFACTS/editor-keys-stderr.log"
start_kalamo 2> "$log"
width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
start_x_pos=$((width - 148 + 44))

click_at "$start_x_pos" 48
sleep 0.5
xdotool type --delay 30 "ab"
xdotool key --repeat 40 --delay 15 x
xdotool key ctrl+1
sleep 0.5
shot "editor-keys"
click_at "$start_x_pos" 48
saved="$E2E_DIR/keys.txt"
save_through_dialog "$saved"

body=$(iconv -f GB18030 -t UTF-8 "$saved" | tail -n +2 | tr -d '\r')
expected="ab$(printf 'x%.0s' $(seq 1 40))第一行
第二行"
[ "$body" = "$expected" ] || fail "the text is '$body'"
repeated=$(sort "$log" | uniq -d)
[ -z "$repeated" ] || fail "logged more than once: $repeated"
[ "$(wc -l < "$log")" -le 3 ] || fail "logged per key: $(cat "$log")"
echo "PASS: 42 keys and a two-line phrase typed with a key sound and no audio device"
