#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes the conversions, the range prompt and the payment for a bounded time each (FUZZ_SECONDS, 15 by
# default) with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, starting from the
# seed corpora in tests/fuzz/corpus/. Any crash, sanitizer report or broken property fails the
# check; the input that caused it is left in build-fuzz/artifacts/. Inputs found along the way
# go to build-fuzz/corpus/, never into the repository. The random seed is fixed (FUZZ_SEED, 1 by
# default) so that a run of the test command explores the same way each time.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${FUZZ_SECONDS:-15}
targets=(leadingvalue strictvalue boundtext currencytext rangeprompt payment schedule)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLOAN_FUZZ=ON -DBUILD_TESTING=OFF -DLOAN_BUILD_BENCH=OFF -DLOAN_COMPILER_CACHE=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p build-fuzz/artifacts
status=0
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    log=build-fuzz/fuzz_$target.log
    mkdir -p "$work"
    if build-fuzz/tests/fuzz/fuzz_"$target" "$work" tests/fuzz/corpus/"$target" \
        -seed="${FUZZ_SEED:-1}" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/artifacts/"$target"- -print_final_stats=1 >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        seeds=$(find tests/fuzz/corpus/"$target" -type f | wc -l)
        echo "fuzz_$target: passed, $runs executions in ${seconds} s, corpus: $seeds seeds +" \
            "$(find "$work" -type f | wc -l) inputs found"
    else
        echo "fuzz_$target: FAILED"
        grep -v '^#' "$log" | tail -n 40
        status=1
    fi
done
echo "fuzzing stage: ${SECONDS} s"
exit $status
