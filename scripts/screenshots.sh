#!/usr/bin/env bash
# Screenshots of the window for looking at by eye: under a private X server at a given scale
# and locale, optionally after typing entries and pressing Calculate.
# Usage: scripts/screenshots.sh OUT.png [SCALE] [LOCALE] [AMOUNT RATE MONTHS]
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
out=$1 scale=${2:-1} locale=${3:-en_US.UTF-8}
shift $(($# < 3 ? $# : 3))

pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    stop_xvfb
}
trap cleanup EXIT
XVFB_SCREEN=1280x1024x24 start_xvfb || exit 1
start_window_manager || exit 1
pids+=("$WM_PID")
env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LC_ALL="$locale" LANG="$locale" \
    build/window/mortgage-calculator >/dev/null 2>&1 &
pids+=($!)
window=
for ((tries = 0; tries < 100; tries++)); do
    window=$(xdotool search --sync --onlyvisible --name 'Mortgage Calculator' 2>/dev/null | head -1)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "the window did not show" >&2; exit 1; }
if (($# == 3)); then
    # Each entry replaced in turn, then Tab on to the button and press it.
    for entry in "$@"; do
        xdotool key --window "$window" ctrl+a
        xdotool type --delay 10 "$entry"
        xdotool key Tab
    done
    xdotool key Tab space
fi
sleep 0.5
import -window "$window" "$out"
