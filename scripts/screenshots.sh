#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the window for looking at by eye: under a private X server at a given scale
# and locale, optionally after typing entries and pressing Calculate. An empty SCALE or LOCALE
# keeps the caller's. LOAN_PROGRAM names the program (build/window/mortgage-calculator by
# default). When the program ends before its window shows, or no window shows within
# LOAN_WINDOW_TIMEOUT seconds (30), it says so with the program's own error output and fails.
# Usage: scripts/screenshots.sh OUT.png [SCALE] [LOCALE] [AMOUNT RATE MONTHS]
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
if (($# < 1 || $# > 6 || $# == 4 || $# == 5)); then
    echo "usage: $0 OUT.png [SCALE] [LOCALE] [AMOUNT RATE MONTHS]" >&2
    exit 2
fi
out=$1 scale=${2-1} locale=${3-en_US.UTF-8}
shift $(($# < 3 ? $# : 3))
program=${LOAN_PROGRAM:-build/window/mortgage-calculator}

pids=()
errors=$(mktemp)
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    for i in "${pids[@]}"; do wait "$i" 2>/dev/null; done
    stop_xvfb
    rm -f "$errors"
}
trap cleanup EXIT
XVFB_SCREEN=1280x1024x24 start_xvfb || exit 1
if (($# == 3)); then
    # Typing goes to the focused window, and only a window manager gives the focus.
    start_window_manager || exit 1
    pids+=("$WM_PID")
fi
environment=(QT_QPA_PLATFORM=xcb)
[[ -n $scale ]] && environment+=(QT_SCALE_FACTOR="$scale")
[[ -n $locale ]] && environment+=(LC_ALL="$locale" LANG="$locale")
env "${environment[@]}" "$program" >/dev/null 2>"$errors" &
program_pid=$!
pids+=("$program_pid")

wait_for_window "$program_pid" "${LOAN_WINDOW_TIMEOUT:-30}"
case $? in
0) ;;
2)
    wait "$program_pid"
    status=$?
    cat "$errors" >&2
    echo "$program ended (status $status) before showing its window" >&2
    exit $((status ? status : 1))
    ;;
*)
    cat "$errors" >&2
    echo "$program showed no window within ${LOAN_WINDOW_TIMEOUT:-30} s" >&2
    exit 1
    ;;
esac
if (($# == 3)); then
    # Each entry replaced in turn, then Tab on to the button and press it.
    for entry in "$@"; do
        xdotool key --window "$WINDOW" ctrl+a
        xdotool type --delay 10 "$entry"
        xdotool key Tab
    done
    xdotool key Tab space
fi
wait_for_paint "$WINDOW" || { cat "$errors" >&2; echo "the window was never painted" >&2; exit 1; }
import -window "$WINDOW" "$out" || exit 1
