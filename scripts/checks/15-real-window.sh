#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window on a real X server with a small window manager, driven by synthetic key presses
# and clicks as a user would: the range message appears when leaving a box, the focus comes
# back to the box, and nothing loops. Leaves a screenshot in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/xvfb.sh

pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

messages_now() {
    xdotool search --onlyvisible --name '^Invalid Parameter$' 2>/dev/null | wc -l || true
}

# How many range messages are up at once, once the first has appeared (waits up to 10 s).
messages_up() {
    timeout 10 xdotool search --sync --onlyvisible --name '^Invalid Parameter$' >/dev/null 2>&1
    messages_now
}

# Succeeds when every message has closed and no new one comes within a second.
messages_settle() {
    for _ in $(seq 100); do
        [[ $(messages_now) == 0 ]] && break
        xdotool sleep 0.1
    done
    xdotool sleep 1
    [[ $(messages_now) == 0 ]]
}

start_xvfb
start_window_manager || fail "the window manager did not start"
pids+=("$WM_PID")
LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=xcb build/window/mortgage-calculator 2>/dev/null &
pids+=($!)
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Ombrel - Mortgage Calculator$' |
    head -n 1) || fail "the window did not appear"
for _ in $(seq 50); do
    [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]] && break
    xdotool sleep 0.1
done
[[ $(xdotool getactivewindow) == "$window" ]] || fail "the window did not get the focus"

# The program's own icon, for task bars and window switchers; it is set just after the first
# show, so it may take a moment (up to 5 s). 16 by 16 is the smallest size they ask for.
has_icon() {
    local icon
    icon=$(xprop -id "$window" _NET_WM_ICON 2>/dev/null) || return 1
    [[ $icon == *'Icon (16 x 16)'* ]]
}
for _ in $(seq 50); do
    has_icon && break
    xdotool sleep 0.1
done
has_icon ||
    fail "the window has no icon of its own"

# Text1 has the focus at start; two Tabs reach Text3. Its 36 is within range: no message.
xdotool key Tab Tab
messages_settle || fail "a message appeared for entries within range"
xdotool key ctrl+a
xdotool type 400
xdotool key Tab
[[ $(messages_up) == 1 ]] || fail "leaving Text3 with 400 did not bring one message"
mkdir -p build/screenshots
import -window root build/screenshots/range-message.png
xdotool key Return
messages_settle || fail "the message did not close, or another followed"

# The focus is back in Text3: leaving it again brings the message again.
xdotool key Tab
[[ $(messages_up) == 1 ]] || fail "the focus did not come back to Text3"
xdotool key Return
messages_settle || fail "the second message did not close"

# A click on Calculate while Text3 is out of range: one message, then calm.
xdotool mousemove --window "$window" 128 108 click 1
[[ $(messages_up) == 1 ]] || fail "clicking Calculate did not check Text3"
xdotool key Return
messages_settle || fail "messages kept coming after the click on Calculate"

# Mend Text3, Shift+Tab into Text2 and make it 10 (a percentage instead of a fraction).
xdotool key ctrl+a
xdotool type 36
xdotool key shift+Tab ctrl+a
xdotool type 10
xdotool key Tab
[[ $(messages_up) == 1 ]] || fail "leaving Text2 with 10 did not bring one message"
xdotool key Return
messages_settle || fail "messages kept coming after leaving Text2"
kill -0 "${pids[1]}" || fail "the program ended"
import -window root build/screenshots/after-checks.png
echo "real window: range messages, focus return and no loops as expected"
