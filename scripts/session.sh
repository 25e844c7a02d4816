# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the checks that read the window over AT-SPI: a private session bus and
# accessibility bus, and the ending of every process a check started. The caller keeps the
# process ids in its array `pids` (in the order started) and sets DISPLAY first.

# The process id of the connection owning a name on a bus, or nothing.
bus_pid_of() {
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" 2>/dev/null |
        awk '/uint32/ {print $2}'
}

# Starts a session bus of our own (the services it activates inherit DISPLAY and
# XDG_RUNTIME_DIR) and asks it for the accessibility bus, which starts the bus's launcher and
# the registry before the program looks for them. Exports DBUS_SESSION_BUS_ADDRESS, sets
# a11y_address, and adds the processes to `pids`.
start_session_buses() {
    local address bus_pid launcher_pid child
    { read -r address && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 \
        --print-pid=1 --nopidfile)
    [[ -n ${bus_pid:-} ]] || { echo "the session bus did not start" >&2; return 1; }
    pids+=("$bus_pid")
    export DBUS_SESSION_BUS_ADDRESS=$address

    a11y_address=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | awk -F'"' '/string/ {print $2}')
    launcher_pid=$(bus_pid_of "$address" org.a11y.Bus)
    [[ -n $launcher_pid ]] || { echo "cannot find the accessibility bus launcher" >&2; return 1; }
    pids+=("$launcher_pid")
    [[ -n $a11y_address ]] || { echo "no accessibility bus" >&2; return 1; }
    # The accessibility bus itself, which the launcher runs.
    for child in $(pgrep -P "$launcher_pid"); do pids+=("$child"); done
}

# Ends every process in `pids`, last started first, and the registry the accessibility bus
# started on demand: TERM, a bounded wait, then KILL.
end_processes() {
    local i pid tries registry_pid
    if [[ -n ${a11y_address:-} ]]; then
        registry_pid=$(bus_pid_of "$a11y_address" org.a11y.atspi.Registry)
        [[ -n $registry_pid ]] && pids+=("$registry_pid")
    fi
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        for ((tries = 0; tries < 100; tries++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL "$pid" 2>/dev/null
    done
}
