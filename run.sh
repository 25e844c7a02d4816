#!/usr/bin/env bash
# Sets up whatever is missing, builds, and opens the window. Without a display it runs the
# window under Xvfb instead, saves a screenshot and prints where.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
program=build/window/mortgage-calculator

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$program"
fi

echo "No display found: running the window under Xvfb and saving a screenshot instead."
source scripts/xvfb.sh
start_xvfb
trap 'kill "$program_pid" 2>/dev/null; stop_xvfb' EXIT
QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
program_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Ombrel - Mortgage Calculator$' | head -n 1)
sleep 0.5 # let the first paint land
mkdir -p build/screenshots
screenshot=$PWD/build/screenshots/window.png
import -window "$window" "$screenshot"
echo "Screenshot: $screenshot"
