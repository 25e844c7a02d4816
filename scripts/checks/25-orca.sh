#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a blind user hears: the screen reader itself, headless, on a private X server, session
# bus and accessibility bus, speaking through a speech server of our own into a null audio
# driver. scripts/atspi/orca_walk.py drives the window with the keyboard and checks the
# utterances the reader logs at each step.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/harness.sh

program=${LOAN_PROGRAM:-build/window/mortgage-calculator}
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }
# The reader refuses to start next to another one of the same user, and replacing it would
# end that user's reader.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "another screen reader of this user is running; not starting a second one" >&2
    exit 1
fi

orca_pid=
cleanup() {
    # The reader handles TERM only once an event wakes it: a key press does.
    [[ -n $orca_pid ]] && kill "$orca_pid" 2>/dev/null && xdotool key shift 2>/dev/null &&
        wait_until 5 gone "$orca_pid"
    if [[ -n ${ORCA_DEBUG:-} ]]; then end_started; echo "kept $work" >&2; else end_stage; fi
}
trap cleanup EXIT

# A home of our own: the reader's settings, the speech server's and the audio library's.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME/orca"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'default_driver=null\n' >"$HOME/.libao"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
: >"$XDG_CONFIG_HOME/speech-dispatcher/modules/espeak-ng.conf"
# Each utterance reaches the log as it is spoken, so the walk can wait for it.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
PY
# No settings daemon and no virtual file systems here; and the reader must use the speech
# server started below, never spawn one of its own.
export GIO_USE_VFS=local GSETTINGS_BACKEND=memory SPEECHD_CMD=/bin/false
unset SPEECHD_ADDRESS

start_x11_desktop || exit 1

# The speech server in the foreground, never timing out, on its usual socket.
spawn speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
    --log-dir "$work" --communication-method unix_socket --socket-path default >"$work/speechd.out" 2>&1
# Within 30 s, however busy the machine.
wait_until -p "$spawned" 30 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
    { echo "the speech server did not start" >&2; cat "$work/speechd.out" >&2; exit 1; }

log=$work/orca.log
spawn orca --debug-file="$log" >"$work/orca.out" 2>&1
orca_pid=$spawned
# The line the reader logs as it begins to listen: Orca 43 (Debian 12) says it starts the AT-SPI
# registry, Orca 48 (Debian 13) its AT-SPI main event loop.
started='ORCA: Starting (ATSPI registry|Atspi main event loop)'
# Within 30 s, however busy the machine.
if ! wait_until -p "$orca_pid" 30 grep -Eqs "$started" "$log"; then
    echo "the screen reader did not start" >&2
    cat "$work/orca.out" >&2
    exit 1
fi

spawn env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1

if ! timeout 700 /usr/bin/python3 scripts/atspi/orca_walk.py "$log"; then
    echo "--- program output:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
