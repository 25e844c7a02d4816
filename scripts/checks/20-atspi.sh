#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window as a screen reader sees it over AT-SPI: a private X server, session bus,
# accessibility bus and window manager, then the program, read and driven by
# scripts/atspi/read_window.py.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/harness.sh

# LOAN_PROGRAM reads another build of the program, such as an installed one.
program=${LOAN_PROGRAM:-build/window/mortgage-calculator}
[[ -x $program ]] || { echo "no $program: build first" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work
start_x11_desktop || exit 1
spawn env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1

if ! timeout 60 /usr/bin/python3 scripts/atspi/read_window.py; then
    echo "--- program output:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
