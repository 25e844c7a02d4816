#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The window shows within 2 s whatever the desktop's buses do: on a private X server with its own
# session and accessibility buses, the program is started with both buses healthy (and a screen
# reader's AT-SPI client must then still find its controls), with the accessibility bus's daemon
# stopped, with the session bus's daemon stopped, with an accessibility bus address that names
# nothing and with no session bus at all. Where a bus does not answer, the program says so in one
# line on its standard error; where all answer, it says nothing of the kind.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/harness.sh
source scripts/program-texts.sh

# LOAN_PROGRAM checks another build of the program, such as an installed one.
program=${LOAN_PROGRAM:-build/window/mortgage-calculator}
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work
start_x11_desktop || exit 1
# A bus daemon answers for its own name with its own process id.
session_bus=$(bus_pid_of "$DBUS_SESSION_BUS_ADDRESS" org.freedesktop.DBus)
a11y_bus=$(bus_pid_of "$a11y_address" org.freedesktop.DBus)
[[ -n $session_bus && -n $a11y_bus ]] || { echo "cannot find the buses' daemons" >&2; exit 1; }
stopped=
trap '[[ -n $stopped ]] && kill -CONT "$stopped"; end_stage' EXIT

window_shown() { [[ -n $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null) ]]; }
now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# name | daemon to stop | environment for the program | lines saying accessibility is off
cases=(
    "healthy|||0"
    "accessibility-bus-stopped|$a11y_bus||1"
    "session-bus-stopped|$session_bus||1"
    "accessibility-address-names-nothing||AT_SPI_BUS_ADDRESS=unix:path=$work/no-bus|1"
    "no-session-bus||-u DBUS_SESSION_BUS_ADDRESS|1"
)
failed=0
for row in "${cases[@]}"; do
    IFS='|' read -r name daemon environment expected_lines <<<"$row"
    log=$work/$name.log
    problems=()
    if [[ -n $daemon ]]; then
        kill -STOP "$daemon"
        stopped=$daemon
    fi
    started=$(now_ms)
    # shellcheck disable=SC2086 # the environment column is words for env
    spawn env $environment LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "$program" >"$log" 2>&1
    program_pid=$spawned
    # Bounded above the 2 s checked, so a late window is told from none.
    wait_until -p "$program_pid" 5 window_shown
    status=$?
    elapsed=$(($(now_ms) - started))
    case $status in
    0) ((elapsed <= 2000)) || problems+=("the window took ${elapsed} ms to show") ;;
    1) problems+=("no window within 5 s") ;;
    *) problems+=("the program ended before showing its window") ;;
    esac
    off_lines=$(grep -c 'accessibility is off' "$log")
    ((off_lines == expected_lines)) ||
        problems+=("$off_lines lines say accessibility is off, not $expected_lines")
    if [[ $name == healthy ]] && ((status == 0)); then
        timeout 60 /usr/bin/python3 scripts/atspi/find_controls.py >>"$log" 2>&1 ||
            problems+=("a screen reader's client does not find the controls")
    fi
    end_pids "$program_pid"
    if [[ -n $stopped ]]; then
        kill -CONT "$stopped"
        stopped=
    fi
    if ((${#problems[@]})); then
        failed=1
        printf 'FAIL: %s: %s\n' "$name" "$(IFS=';'; echo "${problems[*]}")"
        sed 's/^/    /' "$log"
    else
        echo "ok: $name: the window showed after ${elapsed} ms"
        grep 'accessibility is off' "$log" | sed 's/^/    /'
    fi
done
exit "$failed"
