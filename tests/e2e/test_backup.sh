#!/usr/bin/env bash
# With 自动保存 on, the copy in 备份 follows the typing. Then Kalamo is killed (SIGKILL) at
# random moments while keys arrive: after every kill the copy is a whole earlier state of
# the text, the header line and a prefix of what was typed, never empty or cut inside a
# character. KALAMO_BACKUP_KILLS sets the number of kills (20).
source "$(dirname "$0")/lib.sh"
kills=${KALAMO_BACKUP_KILLS:-20}
start_x
printf '[软件设置]\r\n自动保存=真\r\n[文本设置]\r\nfirst=真\r\n' | iconv -f UTF-8 -t GB18030 \
  > "$E2E_DIR/setting.ini"
mkdir -p "$XDG_CONFIG_HOME/kalamo"
printf '[kalamo]\ndizhi=%s\n' "$E2E_DIR" > "$XDG_CONFIG_HOME/kalamo/machine.ini"
# Keycodes of their own for the Chinese characters, for the whole run.
xmodmap -e "keycode 250 = U4F60" -e "keycode 251 = U597D"
# A typist killed between a key's press and release would leave it repeating into the next
# round.
xset r off
backup_dir="$E2E_DIR/备份"
header_re='^临时文本：\ 产生于[0-9]{4}年[0-9]+月[0-9]+日[0-9]+时[0-9]+分[0-9]+秒\ \ \ \ by：Kalamo'

start_writing() {
  start_kalamo 2>> "$E2E_ARTIFACTS/backup-stderr.log"
  local width
  width=$(xdotool getwindowgeometry "$MAIN_WID" | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
  click_at $((width - 148 + 44)) 48
  sleep 0.5
}

kill_kalamo() {
  kill -KILL "$KALAMO_PID"
  wait "$KALAMO_PID" 2>/dev/null || true
  KALAMO_PID=""
}

# The copy in the folder; an interrupted write may leave a hidden temporary sibling.
the_copy() {
  find "$backup_dir" -maxdepth 1 -type f ! -name '.*.tmp*' | head -n1
}

# check_copy WHAT TYPED: the copy is the header line and a prefix of TYPED; prints the
# length of that prefix in characters.
check_copy() {
  local copy text body
  copy=$(the_copy)
  [ -n "$copy" ] || fail "$1: no copy in 备份: $(ls -A "$backup_dir" 2>&1 | tr '\n' ' ')"
  text=$(iconv -f GB18030 -t UTF-8 "$copy") || fail "$1: the copy is cut inside a character"
  [[ "$(printf '%s' "$text" | head -n1 | tr -d '\r')" =~ $header_re ]] \
    || fail "$1: the copy does not start with the header: '$text'"
  body=$(printf '%s' "$text" | tail -n +2)
  [[ "$2" == "$body"* ]] || fail "$1: '$body' is not what was being typed"
  printf '%s' "${#body}"
}

start_writing
xdotool type --delay 30 "ab"
xdotool key --delay 80 U4F60
sleep 0.5
[ "$(check_copy "typing" "ab你")" = 3 ] || fail "the copy does not hold the typed text"
kill_kalamo
echo "PASS: the copy follows the typing"

keys=()
typed=""
for _ in $(seq 1 150); do
  keys+=(U4F60 U597D a b)
  typed+="你好ab"
done
caught=0
for round in $(seq 1 "$kills"); do
  rm -rf "$backup_dir"
  start_writing
  xdotool key --delay 12 "${keys[@]}" &
  typist=$!
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", 0.2 + (r % 100) / 100 }')"
  kill_kalamo
  kill "$typist" 2>/dev/null || true
  wait "$typist" 2>/dev/null || true
  xdotool keyup U4F60 U597D a b
  length=$(check_copy "kill $round" "$typed")
  [ "$length" -gt 0 ] && caught=$((caught + 1))
done
# Most kills must land while keys were arriving, or the run proves little.
[ "$caught" -ge $((kills / 2)) ] || fail "only $caught of $kills kills came after a keystroke"
echo "PASS: $kills kills while typing; every copy was whole ($caught held typed text)"
