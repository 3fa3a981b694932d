#!/usr/bin/env bash
# Remakes the pictures carried inside the program (needs ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"
convert -size 32x32 xc:'#0060C0' -fill white -gravity center -pointsize 22 -annotate 0 'K' kalamo.png
