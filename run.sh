#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up whatever is missing, builds the program, and opens its window. Without a display it
# runs the window under a private X server instead, saves a screenshot and prints where.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
program=build-run/window/mortgage-calculator

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$program"
fi

echo "No display found: running the window under Xvfb and saving a screenshot instead."
screenshot=$PWD/build-run/screenshots/window.png
mkdir -p "${screenshot%/*}"
# The caller's scale and regional settings, as on a display.
LOAN_PROGRAM=$program scripts/screenshots.sh "$screenshot" "" ""
echo "Screenshot: $screenshot"
