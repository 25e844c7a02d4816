#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up whatever is missing, builds, and runs every test: the unit and window tests under
# CTest, then each further check in scripts/checks/ (in name order). Exits non-zero on any
# failure, after running everything.
set -uo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test || exit 1

passed=0
failed=0
failures=()
run_check() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures+=("$name")
    fi
}

run_check "unit and window tests" \
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
for check in scripts/checks/*.sh; do
    [[ -e $check ]] && run_check "$(basename "$check" .sh)" "$check"
done

((failed)) && echo "Failed: ${failures[*]}"
echo "checks: $passed passed, $failed failed"
((failed == 0))
