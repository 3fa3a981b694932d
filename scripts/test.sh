#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; ends with ctest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure -j2
