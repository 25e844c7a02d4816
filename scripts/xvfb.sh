# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts that need an X server of their own: start_xvfb starts a private Xvfb at
# 96 DPI on a free display number and exports DISPLAY; stop_xvfb ends it by its process id.
start_xvfb()
{
    local depth_args=(-screen 0 "${XVFB_SCREEN:-1024x768x24}" -dpi "${XVFB_DPI:-96}" -nolisten tcp -noreset)
    local fifo
    fifo=$(mktemp -u) && mkfifo "$fifo"
    # -displayfd lets the server pick a free display and tell us which once it is ready.
    Xvfb -displayfd 3 "${depth_args[@]}" 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local display
    read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$display"
}

stop_xvfb()
{
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Starts openbox on the private server and returns once it manages windows: a window mapped
# before that would never be given the focus. Sets WM_PID; the caller ends it with its other
# processes (on failure it is ended here).
start_window_manager()
{
    openbox --sm-disable >"${1:-/dev/null}" 2>&1 &
    WM_PID=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "the window manager did not start" >&2
    kill "$WM_PID" 2>/dev/null
    return 1
}

# Waits for process $1 to show a window and sets WINDOW to its id. Fails with 2 as soon as the
# process has ended, with 1 when no window showed within $2 seconds (30 by default).
wait_for_window()
{
    local pid=$1 deadline=$((SECONDS + ${2:-30}))
    WINDOW=
    while ((SECONDS < deadline)); do
        WINDOW=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        [[ -n $WINDOW ]] && return 0
        kill -0 "$pid" 2>/dev/null || return 2
        sleep 0.1
    done
    return 1
}

# Waits until window $1 shows more than one flat colour and looks the same twice in a row: what
# was last asked of it has been painted. Fails after $2 seconds (10 by default).
wait_for_paint()
{
    local window=$1 deadline=$((SECONDS + ${2:-10})) previous= current colours
    while ((SECONDS < deadline)); do
        current=$(import -window "$window" miff:- 2>/dev/null | identify -format '%k %#' - 2>/dev/null) ||
            current=
        colours=${current%% *}
        [[ -n $current && $colours -gt 1 && $current == "$previous" ]] && return 0
        previous=$current
        sleep 0.1
    done
    return 1
}
