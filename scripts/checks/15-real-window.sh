#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window on a real X server with a small window manager, driven by synthetic key presses as
# a user would: what the window manager takes part in, and the headless tests cannot show. The
# window gets the focus and carries its icon; a range message opens when leaving a box, and once
# it closes the window manager gives the focus back to that box. Leaves screenshots in
# build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/harness.sh
source scripts/program-texts.sh
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

messages_now() { xdotool search --onlyvisible --name "^$RANGE_TITLE\$" 2>/dev/null | wc -l || true; }
message_up() { (($(messages_now) > 0)); }
no_message() { (($(messages_now) == 0)); }

# One message, once the first has appeared (waits up to 10 s).
one_message() { wait_until 10 message_up && (($(messages_now) == 1)); }

# Succeeds when every message has closed and no new one comes within a second.
messages_settle() {
    wait_until 10 no_message || true
    xdotool sleep 1
    no_message
}

# The window's id, once it shows; the icon it carries for task bars and window switchers (set
# just after the first show; 16 by 16 is the smallest size they ask for).
find_window() {
    window=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n 1) && [[ -n $window ]]
}
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]]; }
has_icon() { [[ $(xprop -id "$window" _NET_WM_ICON 2>/dev/null) == *'Icon (16 x 16)'* ]]; }

start_xvfb
start_window_manager || fail "the window manager did not start"
spawn env LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=xcb build/window/mortgage-calculator 2>/dev/null
program_pid=$spawned
wait_until -p "$program_pid" 10 find_window || fail "the window did not appear"
wait_until 5 active || fail "the window did not get the focus"
wait_until 5 has_icon || fail "the window has no icon of its own"

# Text1 has the focus at start; two Tabs reach Text3. Its 36 is within range: no message.
xdotool key Tab Tab
messages_settle || fail "a message appeared for entries within range"
xdotool key ctrl+a
xdotool type 400
xdotool key Tab
one_message || fail "leaving Text3 with 400 did not bring one message"
mkdir -p build/screenshots
import -window root build/screenshots/range-message.png
xdotool key Return
messages_settle || fail "the message did not close, or another followed"

# The focus is back in Text3: leaving it again brings the message again.
xdotool key Tab
one_message || fail "the focus did not come back to Text3"
xdotool key Return
messages_settle || fail "the second message did not close"
gone "$program_pid" && fail "the program ended"
import -window root build/screenshots/after-checks.png
echo "real window: focus, icon, range message and focus return as expected"
