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
if (($# < 1 || $# > 6 || $# == 4 || $# == 5)); then
    echo "usage: $0 OUT.png [SCALE] [LOCALE] [AMOUNT RATE MONTHS]" >&2
    exit 2
fi
source scripts/harness.sh
out=$1 scale=${2-1} locale=${3-en_US.UTF-8}
shift $(($# < 3 ? $# : 3))
program=${LOAN_PROGRAM:-build/window/mortgage-calculator}
timeout=${LOAN_WINDOW_TIMEOUT:-30}

# Sets WINDOW to the first window process $1 shows, if any.
shown_window() {
    WINDOW=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) && [[ -n $WINDOW ]]
}

# Succeeds when the window shows more than one flat colour and looks as it did at the last call:
# what was last asked of it has been painted.
painted() {
    local previous=${look-}
    look=$(import -window "$WINDOW" miff:- 2>/dev/null | identify -format '%k %#' - 2>/dev/null) ||
        look=
    [[ -n $look && ${look%% *} -gt 1 && $look == "$previous" ]]
}

XVFB_SCREEN=1280x1024x24 start_xvfb || exit 1
# Typing goes to the focused window, and only a window manager gives the focus.
(($# == 3)) && { start_window_manager || exit 1; }
environment=(QT_QPA_PLATFORM=xcb)
[[ -n $scale ]] && environment+=(QT_SCALE_FACTOR="$scale")
[[ -n $locale ]] && environment+=(LC_ALL="$locale" LANG="$locale")
spawn env "${environment[@]}" "$program" >/dev/null 2>"$work/errors"
program_pid=$spawned

wait_until -p "$program_pid" "$timeout" shown_window "$program_pid" || {
    waited=$?
    cat "$work/errors" >&2
    if ((waited == 2)); then
        wait "$program_pid"
        status=$?
        echo "$program ended (status $status) before showing its window" >&2
        exit $((status ? status : 1))
    fi
    echo "$program showed no window within $timeout s" >&2
    exit 1
}
if (($# == 3)); then
    # Each entry replaced in turn, then Tab on to the button and press it.
    for entry in "$@"; do
        xdotool key --window "$WINDOW" ctrl+a
        xdotool type --delay 10 "$entry"
        xdotool key Tab
    done
    xdotool key Tab space
fi
wait_until 10 painted || { cat "$work/errors" >&2; echo "the window was never painted" >&2; exit 1; }
import -window "$WINDOW" "$out" || exit 1
