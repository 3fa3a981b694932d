#!/usr/bin/env bash
# Start-up to a visible window: Kalamo against FeatherPad and FocusWriter, all in the same
# run under one private Xvfb, interleaved round by round so that a busy moment of the
# machine hits every program alike.
#
#   bash bench/startup.sh [path/to/kalamo] [runs]
#
# Each start gets a fresh HOME and XDG folders. Kalamo runs from a copy of the binary in a
# folder that already holds a completed first run (setting.ini with first=真 and the
# install folder recorded in machine.ini), so what is timed is a normal start. Times run
# from the launch until xdotool sees a viewable window of the process; the polling adds
# up to about 10 ms to every program alike.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
KALAMO_BIN=${1:-$HERE/../build/kalamo}
RUNS=${2:-10}
PROGRAMS=(kalamo featherpad focuswriter)

[ -x "$KALAMO_BIN" ] || { echo "no kalamo binary at $KALAMO_BIN (build first)" >&2; exit 1; }
for tool in Xvfb xdotool xdpyinfo iconv; do
  command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

# The other two programs are only needed here, so they are installed on first use.
missing=()
for p in featherpad focuswriter; do command -v "$p" >/dev/null || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]} for the comparison" >&2
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}" >&2
fi

WORK=$(mktemp -d /tmp/kalamo-startup-XXXXXX)
XVFB_PID=""
APP_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/start-xvfb.sh"

# The installed copy: binary, setting.ini of a completed first run (GBK, like every
# setting.ini the program writes).
KALAMO_DIR=$WORK/kalamo-install
mkdir -p "$KALAMO_DIR"
cp "$KALAMO_BIN" "$KALAMO_DIR/kalamo"
printf '[软件设置]\n高度=838\n宽度=1119\n状态栏=隐藏\n[文本设置]\n背景颜色=0\n文本颜色=0\nfirst=真\n' |
  iconv -f UTF-8 -t GB18030 >"$KALAMO_DIR/setting.ini"

# fresh_home DIR: a new, empty home with its XDG folders; Kalamo's also records the install.
fresh_home() {
  local home=$1
  mkdir -p "$home/config/kalamo" "$home/data" "$home/cache" "$home/runtime"
  chmod 700 "$home/runtime"
  printf '[kalamo]\ndizhi=%s\n' "$KALAMO_DIR" >"$home/config/kalamo/machine.ini"
}

now_ms() {
  echo $(($(date +%s%N) / 1000000))
}

# time_start PROGRAM HOME: prints the milliseconds from launch to a viewable window.
time_start() {
  local program=$1 home=$2 start end
  local -a env_vars=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime")
  start=$(now_ms)
  case $program in
    kalamo) (cd "$KALAMO_DIR" && exec env "${env_vars[@]}" ./kalamo) >/dev/null 2>&1 & ;;
    *) (cd "$home" && exec env "${env_vars[@]}" "$program") >/dev/null 2>&1 & ;;
  esac
  APP_PID=$!
  while ! xdotool search --onlyvisible --pid "$APP_PID" >/dev/null 2>&1; do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      echo "$program ended before showing a window" >&2
      APP_PID=""
      return 1
    fi
    if [ $(($(now_ms) - start)) -gt 30000 ]; then
      echo "$program showed no window within 30 s" >&2
      stop_app
      return 1
    fi
    sleep 0.01
  done
  end=$(now_ms)
  stop_app
  echo $((end - start))
}

stop_app() {
  kill "$APP_PID" 2>/dev/null || true
  for _ in $(seq 1 30); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
}

start_x
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER

declare -A times
# Round 0 warms the page cache for every program and is not counted.
for round in $(seq 0 "$RUNS"); do
  for program in "${PROGRAMS[@]}"; do
    home=$WORK/home-$program-$round
    fresh_home "$home"
    ms=$(time_start "$program" "$home") || exit 1
    rm -rf "$home"
    [ "$round" -eq 0 ] && continue
    times[$program]+="$ms "
  done
done

# setting.ini must still hold the completed first run, or the starts were not normal ones.
grep -q "first=$(printf '真' | iconv -f UTF-8 -t GB18030)" "$KALAMO_DIR/setting.ini" ||
  { echo "Kalamo's setting.ini lost its first-run mark" >&2; exit 1; }

echo "start-up to a visible window, $RUNS runs each, $(nproc) cores, Xvfb $DISPLAY"
printf '%-12s %10s %10s %10s   %s\n' program median_ms min_ms max_ms runs_ms
for program in "${PROGRAMS[@]}"; do
  read -r -a values <<<"${times[$program]}"
  mapfile -t sorted < <(printf '%s\n' "${values[@]}" | sort -n)
  n=${#sorted[@]}
  if [ $((n % 2)) -eq 1 ]; then
    median=${sorted[$((n / 2))]}
  else
    median=$(((sorted[n / 2 - 1] + sorted[n / 2]) / 2))
  fi
  printf '%-12s %10s %10s %10s   %s\n' "$program" "$median" "${sorted[0]}" "${sorted[$((n - 1))]}" \
    "${times[$program]}"
done
