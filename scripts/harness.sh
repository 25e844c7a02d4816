# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by every stage that starts processes: how they are started, waited for and ended, and
# the private display, compositor and buses the window runs on. Sourcing it makes `work`, a
# private folder (mode 700), and sets an EXIT trap (end_stage) that ends every process in `pids`,
# last started first, and removes `work`. A stage that needs more at its end sets its own EXIT
# trap and calls end_stage from it.

pids=()
a11y_address=
work=$(mktemp -d)
chmod 700 "$work"
trap end_stage EXIT

# spawn COMMAND...: runs it in the background, with the caller's redirections, and records it in
# `pids`; `spawned` is its process id.
spawn() {
    "$@" &
    spawned=$!
    pids+=("$spawned")
}

gone() { ! kill -0 "$1" 2>/dev/null; }

# wait_until [-p PID] SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds (status 0),
# SECONDS have passed (1) or, with -p, process PID has ended (2).
wait_until() {
    local watched=
    [[ $1 == -p ]] && { watched=$2; shift 2; }
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [[ -n $watched ]] && gone "$watched" && return 2
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# end_pids PID...: ends each, the last given first: TERM, up to 5 s to go, then KILL.
end_pids() {
    local i pid
    for ((i = $#; i > 0; i--)); do
        pid=${!i}
        kill "$pid" 2>/dev/null || continue
        wait_until 5 gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
        # Reaps it where it is a child of this shell; any other process is not ours to wait for.
        wait "$pid" 2>/dev/null || true
    done
}

# The process id of the connection owning a name on a bus, or nothing.
bus_pid_of() {
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" 2>/dev/null |
        awk '/uint32/ {print $2}'
}

# Ends what the stage started and the registry the accessibility bus started on demand.
end_started() {
    local registry=
    # No registry is running where nothing asked the accessibility bus for it.
    if [[ -n $a11y_address ]]; then
        registry=$(bus_pid_of "$a11y_address" org.a11y.atspi.Registry) || true
    fi
    end_pids "${pids[@]}" ${registry:+"$registry"}
}

end_stage() {
    end_started
    rm -rf "$work"
}

# A private Xvfb at XVFB_DPI (96) with screen XVFB_SCREEN (1024x768x24) on a free display
# number; exports DISPLAY.
start_xvfb() {
    local display
    mkfifo "$work/displayfd"
    # -displayfd lets the server pick a free display and tell us which once it is ready.
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -dpi "${XVFB_DPI:-96}" -nolisten tcp \
        -noreset 3>"$work/displayfd" >/dev/null 2>&1 &
    pids+=($!)
    read -r -t 20 display <"$work/displayfd" || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$display"
}

# Starts openbox on the private server and returns once it manages windows: a window mapped
# before that would never be given the focus. Its output goes to $1 (nowhere by default).
start_window_manager() {
    spawn openbox --sm-disable >"${1:-/dev/null}" 2>&1
    wait_until -p "$spawned" 10 window_manager_running ||
        { echo "the window manager did not start" >&2; return 1; }
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A private X11 desktop of our own, none of the caller's: the private Xvfb, the session and
# accessibility buses (start_session_buses) and the window manager, logging to openbox.log.
start_x11_desktop() {
    unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
    start_xvfb && start_session_buses && start_window_manager "$work/openbox.log"
}

# Runs weston with its X11 backend as one full-screen window of the private Xvfb (after
# start_xvfb), so xdotool on that display reaches its clients and `import -window root`
# photographs them. `work` becomes XDG_RUNTIME_DIR and holds its socket, configuration and log
# (weston.log). Exports WAYLAND_DISPLAY and sets WESTON_BACKGROUND (the empty desktop's colour,
# #rrggbb). Its configuration: the CPU renderer (Xvfb has no GPU), no animations (with them, the
# activation of a window comes back about a second after a dialog closes), no idle blanking, no
# panel, a plain background, and no on-screen keyboard (weston would start one for every focused
# entry box and it would take the input method away from the keyboard).
start_weston() {
    WESTON_BACKGROUND='#336699'
    cat >"$work/weston.ini" <<EOF
[core]
idle-time=0

[shell]
background-color=0xff${WESTON_BACKGROUND#\#}
panel-position=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none

[input-method]
path=
EOF
    export XDG_RUNTIME_DIR=$work
    spawn weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
        --config="$work/weston.ini" --socket=wayland-private --log="$work/weston.log" >/dev/null 2>&1
    # Ready once its socket takes connections and its shell has drawn the desktop (a window
    # mapped before the shell is up would be placed and activated by no one).
    if ! wait_until -p "$spawned" 10 weston_ready; then
        echo "weston did not start; its log:" >&2
        cat "$work/weston.log" >&2
        return 1
    fi
    export WAYLAND_DISPLAY=wayland-private
}

# Succeeds when the shell is up and the screen shows the desktop's background colour (away from
# the centre, where the pointer starts).
weston_ready() {
    [[ -S $work/wayland-private ]] && grep -q "launching '.*weston-desktop-shell'" "$work/weston.log" &&
        [[ $(import -window root -crop 1x1+256+192 -depth 8 txt:- 2>/dev/null |
            grep -o '#[0-9A-F]\{6\}' | head -n 1) == "${WESTON_BACKGROUND^^}" ]]
}

# Starts a session bus of our own (the services it activates inherit DISPLAY and
# XDG_RUNTIME_DIR) and asks it for the accessibility bus, which starts the bus's launcher and the
# registry before the program looks for them. Exports DBUS_SESSION_BUS_ADDRESS, sets
# a11y_address, and adds the processes to `pids`.
start_session_buses() {
    local address bus_pid launcher_pid
    { read -r address && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 \
        --print-pid=1 --nopidfile)
    [[ -n ${bus_pid:-} ]] || { echo "the session bus did not start" >&2; return 1; }
    pids+=("$bus_pid")
    export DBUS_SESSION_BUS_ADDRESS=$address
    a11y_address=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | awk -F'"' '/string/ {print $2}')
    launcher_pid=$(bus_pid_of "$address" org.a11y.Bus)
    [[ -n $launcher_pid ]] || { echo "cannot find the accessibility bus launcher" >&2; return 1; }
    # The launcher, and the accessibility bus it runs.
    pids+=("$launcher_pid" $(pgrep -P "$launcher_pid"))
    [[ -n $a11y_address ]] || { echo "no accessibility bus" >&2; return 1; }
}
