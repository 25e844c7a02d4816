#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The window as a native Wayland client: weston runs in a private Xvfb, the program connects to
# it, xdotool types and clicks on the Xvfb display (the compositor passes the input on) and
# scripts/atspi/drive_wayland.py reads the result over AT-SPI: the payment after loading, one
# range message per leaving with the focus given back, no alternating messages, a runtime error
# reported with the program going on; then the window's close button ends the program. Every
# process started here is ended here, by its process id. Leaves screenshots in
# build/screenshots/.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/xvfb.sh
source scripts/weston.sh
source scripts/session.sh

program=build/window/mortgage-calculator
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
pids=()
a11y_address=
cleanup() {
    end_processes
    stop_weston
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -n ${program_pid:-} ]] && ! kill -0 "$program_pid" 2>/dev/null; then
        wait "$program_pid"
        echo "(the program has ended, status $?)" >&2
    fi
    for log in program weston; do
        [[ -s $work/$log.log ]] && { echo "--- $log output:" >&2; tail -n 60 "$work/$log.log" >&2; }
    done
    exit 1
}

unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
XVFB_SCREEN=1024x768x24 XVFB_DPI=96 start_xvfb || exit 1
WESTON_WIDTH=1024 WESTON_HEIGHT=768 start_weston "$work" || fail "weston did not start"

start_session_buses || fail "the session buses did not start"

mkdir -p build/screenshots
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

timeout 120 /usr/bin/python3 scripts/atspi/drive_wayland.py "$WESTON_BACKGROUND" \
    build/screenshots || fail "the scenario on Wayland failed"
# The close button ends the program.
for ((tries = 0; tries < 100; tries++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "closing the window did not end the program"
wait "$program_pid"
status=$?
((status == 0)) || fail "the program ended with status $status after its window was closed"
echo "Wayland: the scenario passed and closing the window ended the program"
