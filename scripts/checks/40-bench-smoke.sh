#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmarks run and report: the start-up benchmark with two launches of each program, and
# every microbenchmark once, briefly. No timing is asserted; setup has already built them.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build}

table=$(LOAN_BENCH_NO_SETUP=1 bench/startup/run.sh 2)
echo "$table"
for measure in "map ms" "paint ms" "RSS MB" "PSS MB"; do
    grep -Eq "^\| $measure \| [0-9.]+ \(.*\) \| [0-9.]+ \(.*\) \| [0-9.]+ \|$" <<<"$table" ||
        { echo "start-up benchmark: no '$measure' row" >&2; exit 1; }
done

wayland=$(LOAN_BENCH_NO_SETUP=1 bench/startup/run.sh --platform wayland 2)
echo "$wayland"
for measure in "paint ms" "RSS MB" "PSS MB"; do
    grep -Eq "^\| $measure \| [0-9.]+ \(.*\) \| [0-9.]+ \(.*\) \| [0-9.]+ \|$" <<<"$wayland" ||
        { echo "start-up benchmark on wayland: no '$measure' row" >&2; exit 1; }
done

micro=$("$build/bench/micro/bench-micro" --benchmark_min_time=0.01 --benchmark_format=csv 2>/dev/null)
echo "$micro" | cut -d, -f1,3,4,5
for name in PaymentFor LeadingValue StrictValue/en_US StrictValue/de_DE BoundText \
    CurrencyText/en_US CurrencyText/de_DE; do
    grep -q "^\"$name" <<<"$micro" || { echo "microbenchmarks: no $name result" >&2; exit 1; }
done
