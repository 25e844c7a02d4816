#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up whatever is missing, builds, and runs every test: the unit and window tests under
# CTest, then each further check in scripts/checks/ (in name order), each with its time. Exits
# non-zero on any failure, after running everything. A check that cannot run where it is (it
# says why in one line) exits with 77 and is counted as skipped, never as passed.
#   ./test.sh [--bare-roots]
# --bare-roots (or LOAN_BARE_ROOTS=1) adds the proofs that build bare Debian roots (the quick
# start on each release, the Debian package); they take most of half an hour, so a plain run
# leaves them out and says so.
set -uo pipefail
cd "$(dirname "$0")"
for argument in "$@"; do
    case $argument in
    --bare-roots) export LOAN_BARE_ROOTS=1 ;;
    *) echo "usage: $0 [--bare-roots]" >&2; exit 2 ;;
    esac
done
scripts/setup.sh test || exit 1

passed=0
failed=0
skipped=0
failures=()
skips=()
run_check() {
    local name=$1 start=$SECONDS status=0 outcome
    shift
    echo "=== $name"
    "$@" || status=$?
    if ((status == 0)); then
        passed=$((passed + 1))
        outcome=passed
    elif ((status == 77)); then
        skipped=$((skipped + 1))
        skips+=("$name")
        outcome=skipped
    else
        failed=$((failed + 1))
        failures+=("$name")
        outcome=failed
    fi
    echo "--- $name: $outcome in $((SECONDS - start)) s"
}

run_check "unit and window tests" \
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
for check in scripts/checks/*.sh; do
    [[ -e $check ]] && run_check "$(basename "$check" .sh)" "$check"
done

((failed)) && echo "Failed: ${failures[*]}"
((skipped)) && echo "Skipped: ${skips[*]}"
echo "checks: $passed passed, $failed failed, $skipped skipped"
((failed == 0))
