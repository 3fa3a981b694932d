#!/usr/bin/env bash
# Installs what is missing, builds and starts Kalamo. Without a display it starts it
# under Xvfb, saves a screenshot of the main window once start-up is done, and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/build/kalamo" "$@"
fi
shot="$root/artifacts/kalamo-main-window.png"
mkdir -p "$root/artifacts"
xvfb-run -a -s "-screen 0 1400x1000x24" bash "$root/scripts/screenshot.sh" "$root/build/kalamo" "$shot"
echo "Screenshot of the main window: $shot"
