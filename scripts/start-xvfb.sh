# Sourced, not run: start_x starts a private Xvfb on the first free display, exports
# DISPLAY and leaves its pid in XVFB_PID. -noreset: a client connecting while the server
# resets after its last client left would otherwise be refused.
start_x() {
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1400x1000x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "no X server could be started" >&2
  exit 1
}
