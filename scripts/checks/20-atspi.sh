#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window as a screen reader sees it over AT-SPI: a private X server, session bus,
# accessibility bus and window manager, then the program, read and driven by
# scripts/atspi/read_window.py. Every process started here is ended here, by its process id.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/xvfb.sh

# LOAN_PROGRAM reads another build of the program, such as an installed one.
program=${LOAN_PROGRAM:-build/window/mortgage-calculator}
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
pids=()
a11y_address=
cleanup() {
    # The registry, which its bus started on demand.
    local i registry_pid
    if [[ -n $a11y_address ]]; then
        registry_pid=$(bus_pid_of "$a11y_address" org.a11y.atspi.Registry)
        [[ -n $registry_pid ]] && pids+=("$registry_pid")
    fi
    # Last started, first ended.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    local tries
    for pid in "${pids[@]}"; do
        for ((tries = 0; tries < 100; tries++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$pid" 2>/dev/null
    done
    stop_xvfb
    [[ -n ${ATSPI_DEBUG:-} ]] && echo "ended: ${pids[*]}" >&2
    rm -rf "$work"
}
trap cleanup EXIT

# The process id of the connection owning a name on a bus, or nothing.
bus_pid_of() {
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" 2>/dev/null |
        awk '/uint32/ {print $2}'
}

export XDG_RUNTIME_DIR=$work
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
XVFB_DPI=96 start_xvfb || exit 1

# A session bus of our own; the services it activates inherit DISPLAY and XDG_RUNTIME_DIR.
{ read -r address && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 \
    --print-pid=1 --nopidfile)
[[ -n ${bus_pid:-} ]] || { echo "the session bus did not start" >&2; exit 1; }
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$address

# Asking for the accessibility bus starts its launcher (and with it the registry) before the
# program looks for it.
a11y_address=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress | awk -F'"' '/string/ {print $2}')
launcher_pid=$(bus_pid_of "$address" org.a11y.Bus)
[[ -n $launcher_pid ]] || { echo "cannot find the accessibility bus launcher" >&2; exit 1; }
pids+=("$launcher_pid")
[[ -n $a11y_address ]] || { echo "no accessibility bus" >&2; exit 1; }
# The accessibility bus itself, which the launcher runs.
for child in $(pgrep -P "$launcher_pid"); do pids+=("$child"); done

start_window_manager "$work/openbox.log" || exit 1
pids+=("$WM_PID")

env -u AT_SPI_BUS_ADDRESS LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" >"$work/program.log" 2>&1 &
pids+=($!)

if ! timeout 60 /usr/bin/python3 scripts/atspi/read_window.py; then
    echo "--- program output:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
