#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmarks run and report: the start-up benchmark with two launches of each program, and
# every microbenchmark once, briefly. No timing is asserted; setup has already built them.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build}

# One start-up table per platform, with a row for each measure it takes.
for platform in xcb wayland; do
    table=$(LOAN_BENCH_NO_SETUP=1 bench/startup/run.sh --platform "$platform" 2)
    echo "$table"
    measures=("paint ms" "RSS MB" "PSS MB")
    [[ $platform == xcb ]] && measures+=("map ms")
    for measure in "${measures[@]}"; do
        grep -Eq "^\| $measure \| [0-9.]+ \(.*\) \| [0-9.]+ \(.*\) \| [0-9.]+ \|$" <<<"$table" ||
            { echo "start-up benchmark on $platform: no '$measure' row" >&2; exit 1; }
    done
done

micro=$("$build/bench/micro/bench-micro" --benchmark_min_time=0.01 --benchmark_format=csv 2>/dev/null)
echo "$micro" | cut -d, -f1,3,4,5
for name in PaymentFor LeadingValue StrictValue/en_US StrictValue/de_DE BoundText \
    CurrencyText/en_US CurrencyText/de_DE; do
    grep -q "^\"$name" <<<"$micro" || { echo "microbenchmarks: no $name result" >&2; exit 1; }
done
