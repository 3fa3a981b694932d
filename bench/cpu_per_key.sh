#!/usr/bin/env bash
# CPU time per typed character on a long manuscript: xdotool types N characters at the end
# of a 1 MB Chinese document under Xvfb, once in Kalamo (statistics window and backup on)
# and once in FeatherPad; each process's user+system time over the typing, divided by N.
# Usage: bash bench/cpu_per_key.sh [path/to/kalamo] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kalamo_bin=${1:-$here/../build/kalamo}
count=${2:-300}
command -v featherpad >/dev/null || {
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    featherpad >/dev/null
}
work=$(mktemp -d /tmp/kalamo-cpu-XXXXXX)
trap 'kill "${pid:-}" "${XVFB_PID:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
source "$here/../scripts/start-xvfb.sh"
start_x

python3 - "$work/manuscript.txt" <<'PY'
import random, sys
random.seed(7)
chars = "的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说产种面而方后多定行学法所民得经十三之进着等部度家电力里如水化高自二理起小物现实加量都两体制机当使点从业本去把性好应开它合还因由其些然前外天"
out, size = [], 0
while size < 1024 * 1024:
    line = "".join(random.choice(chars) for _ in range(200)) + "\r\n"
    out.append(line); size += len(line) * 2
open(sys.argv[1], "wb").write("".join(out).encode("gbk"))
PY
cp "$work/manuscript.txt" "$work/manuscript-fp.txt"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# measure NAME PID WINDOW: types at the end of the document and prints ms of CPU per key.
measure() {
  local name=$1 wid=$3 before after
  xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  sleep 0.5
  xdotool key ctrl+End
  sleep 1
  before=$(ticks "$2")
  [ -n "${KALAMO_PERF:-}" ] && [ "$name" = Kalamo ] && { perf record -g -p "$2" -o "$KALAMO_PERF" 2>/dev/null & perf_pid=$!; sleep 0.5; }
  xdotool type --delay 20 "$(head -c "$count" /dev/zero | tr '\0' 'a')"
  sleep 1.5  # let coalesced work (statistics, backup) finish
  after=$(ticks "$2")
  [ -n "${perf_pid:-}" ] && { kill -INT "$perf_pid"; wait "$perf_pid" 2>/dev/null || true; perf_pid=""; }
  awk -v n="$count" -v t=$((after - before)) -v hz="$hz" -v name="$name" \
    'BEGIN { printf "%s: %.3f ms CPU per key (%d ticks for %d keys)\n", name, t * 1000 / hz / n, t, n }'
}

mkdir -p "$work/config/kalamo"
printf '[kalamo]\ndizhi=%s\n' "$work" >"$work/config/kalamo/machine.ini"
printf '[软件设置]\r\n自动保存=%s\r\n显示统计=%s\r\n高度=800\r\n宽度=1100\r\n[文本设置]\r\nfirst=真\r\n' \
  "${KALAMO_BACKUP:-真}" "${KALAMO_STATISTICS:-真}" \
  | iconv -f UTF-8 -t GB18030 >"$work/setting.ini"
cp "$kalamo_bin" "$work/kalamo"
(cd "$work" && XDG_CONFIG_HOME="$work/config" exec ./kalamo "$work/manuscript.txt" 2>/dev/null) &
pid=$!
for _ in $(seq 1 200); do
  wid=$(xdotool search --onlyvisible --name '^Kalamo7' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
sleep 2
measure Kalamo "$pid" "$wid"
kill -9 "$pid" 2>/dev/null || true

HOME="$work" XDG_CONFIG_HOME="$work/fpconfig" featherpad "$work/manuscript-fp.txt" 2>/dev/null &
pid=$!
for _ in $(seq 1 200); do
  wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
sleep 3
measure FeatherPad "$pid" "$wid"
kill -9 "$pid" 2>/dev/null || true
