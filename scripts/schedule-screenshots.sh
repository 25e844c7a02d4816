#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures of the payment schedule for 120000 / 0.10 / 36 months, for looking at by eye: in
# en_US, de_DE and ja_JP and with a dark palette, at scales 1 and 2, on a private X server. The
# window test that checks nothing in them is cut takes them (tests/schedule/tst_schedulewindow).
# Usage: scripts/schedule-screenshots.sh [OUTDIR]   (default build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
test=${BUILD_DIR:-build}/tests/tst_schedulewindow
[[ -x $test ]] || { echo "missing $test: build first (scripts/setup.sh test)" >&2; exit 1; }
mkdir -p "$out"
source scripts/harness.sh
XVFB_SCREEN=2400x1800x24 start_xvfb
start_window_manager
for scale in 1 2; do
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LOAN_SCREENSHOT_DIR=$out \
        timeout 120 "$test" nothingCut >/dev/null || { echo "scale $scale: the window test failed" >&2; exit 1; }
done
ls "$out"/schedule-*.png
