#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The payment schedule's first frame after the key press, 360 months: bench-schedule run P times
# (default 5) on a private Xvfb (96 DPI, with a window manager, as a desktop has), each opening
# the schedule N times (default 10). The first opening of each run loads the schedule's module.
#
#   bench/schedule/run.sh [P] [N]
#
# It builds nothing: build first (scripts/setup.sh test); BUILD_DIR names the build (build/).
set -euo pipefail
cd "$(dirname "$0")/../.."
processes=${1:-5}
openings=${2:-10}
binary=${BUILD_DIR:-build}/bench/bench-schedule
[[ -x $binary ]] || { echo "missing $binary: build first (scripts/setup.sh test)" >&2; exit 1; }
source scripts/harness.sh
start_xvfb
start_window_manager
for ((i = 0; i < processes; i++)); do
    QT_QPA_PLATFORM=xcb timeout 120 "$binary" "$openings"
done
# From a key press in "Extra each month" to the new numbers painted, 360 months.
QT_QPA_PLATFORM=xcb timeout 120 "$binary-recompute" 20
