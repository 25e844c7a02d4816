#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# When the program cannot show its window, the headless path of ./run.sh
# (scripts/screenshots.sh) ends on its own, non-zero, with the program's own error output shown,
# and leaves none of its processes behind. Each row stands in a small program for the window.
set -uo pipefail
cd "$(dirname "$0")/../.."

# name | program body | expected status | text expected in the error output
cases=(
    "exits at once with a message|echo 'cannot connect to display' >&2; exit 3|3|cannot connect to display"
    "exits at once silently|exit 0|1|ended (status 0) before showing its window"
    "killed by a signal|kill -SEGV \$\$|139|ended (status 139)"
    "never shows a window|echo 'still starting' >&2; exec sleep 321|1|showed no window within 2 s"
)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for row in "${cases[@]}"; do
    IFS='|' read -r name body expected_status expected_text <<<"$row"
    program=$scratch/program
    printf '#!/bin/sh\n%s\n' "$body" >"$program"
    chmod +x "$program"
    # The bound only keeps a hang from stalling the test command; it is not what is checked.
    LOAN_PROGRAM=$program LOAN_WINDOW_TIMEOUT=2 timeout 60 scripts/screenshots.sh \
        "$scratch/shot.png" >"$scratch/out" 2>&1
    status=$?
    problems=()
    ((status == 124)) && problems+=("still running after 60 s")
    ((status == expected_status)) || problems+=("status $status, not $expected_status")
    grep -qF "$expected_text" "$scratch/out" || problems+=("no \"$expected_text\" in its output")
    [[ -e $scratch/shot.png ]] && problems+=("a screenshot was saved")
    pgrep -f "^/bin/sh $program" >/dev/null || pgrep -fx 'sleep 321' >/dev/null &&
        problems+=("the program was left running")
    if ((${#problems[@]})); then
        failed=1
        printf 'FAIL: %s: %s\n' "$name" "${problems[*]}"
        sed 's/^/    /' "$scratch/out"
    else
        echo "ok: $name"
    fi
done
exit "$failed"
