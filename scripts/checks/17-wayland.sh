#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The window as a native Wayland client: weston runs in a private Xvfb, the program connects to
# it, xdotool types and clicks on the Xvfb display (the compositor passes the input on) and
# scripts/atspi/drive_wayland.py reads the result over AT-SPI: what the compositor takes part in,
# which the headless tests cannot show. The payment after loading with the focus in the first
# box, a range message and the focus given back once it closes, the title bar's maximise and
# restore; then the window's close button ends the program. Leaves screenshots in
# build/screenshots/.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/harness.sh

program=build/window/mortgage-calculator
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

fail() {
    echo "FAIL: $*" >&2
    if [[ -n ${program_pid:-} ]] && gone "$program_pid"; then
        wait "$program_pid"
        echo "(the program has ended, status $?)" >&2
    fi
    for log in program weston; do
        [[ -s $work/$log.log ]] && { echo "--- $log output:" >&2; tail -n 60 "$work/$log.log" >&2; }
    done
    exit 1
}

unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
start_xvfb || exit 1
start_weston || fail "weston did not start"
start_session_buses || fail "the session buses did not start"

mkdir -p build/screenshots
spawn env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=wayland \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1
program_pid=$spawned

timeout 120 /usr/bin/python3 scripts/atspi/drive_wayland.py "$WESTON_BACKGROUND" \
    build/screenshots || fail "the scenario on Wayland failed"
wait_until 10 gone "$program_pid" || fail "closing the window did not end the program"
wait "$program_pid"
status=$?
((status == 0)) || fail "the program ended with status $status after its window was closed"
echo "Wayland: the scenario passed and closing the window ended the program"
