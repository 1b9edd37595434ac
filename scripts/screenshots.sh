#!/usr/bin/env bash
# Grabs the main window on each tab in English and Spanish under Xvfb, into OUTDIR
# (default build/screenshots), with FILE opened first when given:
#   scripts/screenshots.sh [OUTDIR] [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
file="${2:-examples/school.xml}"
make --no-print-directory build >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/gui_screenshots "$out" "$(realpath "$file")"
ls "$out"/*.png
