# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by scripts that need a Wayland compositor of their own, after start_xvfb: start_weston
# runs weston with its X11 backend as one full-screen window of the private Xvfb, so xdotool on
# that display reaches the Wayland clients and `import -window root` photographs them.
# stop_weston ends it by its process id.
#
# The compositor gets a private configuration: the CPU renderer (Xvfb has no GPU), no animations
# (with them, the activation of a window comes back about a second after a dialog closes), no
# idle blanking, no panel, a plain background, and no on-screen keyboard (weston would start one
# for every focused entry box and it would take the input method away from the keyboard).

# start_weston DIR: DIR (private, mode 700) becomes XDG_RUNTIME_DIR and holds the socket, the
# configuration and the log (DIR/weston.log). Exports WAYLAND_DISPLAY and XDG_RUNTIME_DIR, sets
# WESTON_PID and WESTON_BACKGROUND (the colour of the empty desktop, as #rrggbb).
start_weston()
{
    local dir=$1
    WESTON_BACKGROUND='#336699'
    cat >"$dir/weston.ini" <<EOF
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
    export XDG_RUNTIME_DIR=$dir
    local socket=wayland-private
    weston --backend=x11-backend.so --use-pixman --width="${WESTON_WIDTH:-1024}" \
        --height="${WESTON_HEIGHT:-768}" --idle-time=0 --config="$dir/weston.ini" \
        --socket="$socket" --log="$dir/weston.log" >/dev/null 2>&1 &
    WESTON_PID=$!
    # Ready once its socket takes connections and its shell has drawn the desktop (a window
    # mapped before the shell is up would be placed and activated by no one).
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        if [[ -S $dir/$socket ]] && grep -q "launching '.*weston-desktop-shell'" "$dir/weston.log" &&
            weston_desktop_shown; then
            export WAYLAND_DISPLAY=$socket
            return 0
        fi
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "weston did not start; its log:" >&2
    cat "$dir/weston.log" >&2 2>/dev/null
    stop_weston
    return 1
}

# Succeeds when the X screen shows the desktop's background colour (away from the centre,
# where the pointer starts).
weston_desktop_shown()
{
    local pixel
    pixel=$(import -window root -crop 1x1+$((${WESTON_WIDTH:-1024} / 4))+$((${WESTON_HEIGHT:-768} / 4)) \
        -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1)
    [[ ${pixel,,} == "${WESTON_BACKGROUND,,}" ]]
}

stop_weston()
{
    [[ -n ${WESTON_PID:-} ]] || return 0
    # Safe under set -e: what has already ended is no failure here.
    kill "$WESTON_PID" 2>/dev/null || true
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL "$WESTON_PID" 2>/dev/null || true
    wait "$WESTON_PID" 2>/dev/null || true
    WESTON_PID=
}
