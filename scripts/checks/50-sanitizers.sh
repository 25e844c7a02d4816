#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The whole test suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any memory error, undefined behaviour or leak ends the test that caused it, and fails here.
# Leaks inside the toolkit's own libraries are suppressed in tests/sanitizers/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOAN_SANITIZE=ON \
    -DLOAN_BUILD_BENCH=OFF -DLOAN_WARNINGS_AS_ERRORS=ON -DLOAN_COMPILER_CACHE=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
echo "sanitized build and tests: ${SECONDS} s"
