#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up benchmark: launches the program and the toolkit floor (a bare Qt Widgets window with
# the same controls, bench/startup/floor.cpp) N times each, interleaved, after one warm-up launch
# of each, on a private Xvfb (96 DPI, no window manager), and prints the median, minimum and
# maximum of: time from exec to the window mapped, time to its first paint, and RSS and PSS one
# second after the map, with the ratio program/floor of the medians.
#
#   bench/startup/run.sh [--platform xcb|wayland] [N]      N launches of each (default 10)
#
# On wayland both run as clients of weston, which runs as one window of the private Xvfb
# (scripts/harness.sh); they have no X windows to map, so the only time is to the first frame the
# compositor shows: the first damage on its window after the exec.
#
# It first runs scripts/setup.sh test, which installs what is missing and builds (RelWithDebInfo)
# into build/; LOAN_BENCH_NO_SETUP=1 skips that and uses the binaries already in $BUILD_DIR
# (default build/). LOAN_BENCH_PROGRAM times another build of the program, for instance the
# installed /usr/bin/mortgage-calculator, against the same floor. Times come from X events seen
# by bench/startup/xwatch.cpp.
set -euo pipefail
cd "$(dirname "$0")/../.."

usage="usage: $0 [--platform xcb|wayland] [N]  (N launches of each, N >= 1)"
platform=xcb
if [[ ${1:-} == --platform ]]; then
    platform=${2:-}
    shift 2 || true
fi
[[ $platform == xcb || $platform == wayland ]] || { echo "$usage" >&2; exit 2; }
runs=${1:-10}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "$usage" >&2; exit 2; }
build=${BUILD_DIR:-build}

source scripts/harness.sh
if [[ -z ${LOAN_BENCH_NO_SETUP:-} ]]; then
    echo "Setting up and building (scripts/setup.sh test)..."
    scripts/setup.sh test >"$work/setup.log" 2>&1 || { tail -n 30 "$work/setup.log" >&2; exit 1; }
fi

program=${LOAN_BENCH_PROGRAM:-$build/window/mortgage-calculator}
floor=$build/bench/startup/startup-floor
xwatch=$build/bench/startup/xwatch
for binary in "$program" "$floor" "$xwatch"; do
    [[ -x $binary ]] || { echo "missing $binary: build first (scripts/setup.sh test)" >&2; exit 1; }
done

start_xvfb
# A desktop has a session bus with an accessibility bus behind it; without one the program would
# leave its accessibility bridge off (and say so) while the floor has the toolkit start a bus, and
# the two would no longer do the same work.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    start_session_buses || exit 1
fi
export QT_QPA_PLATFORM=$platform
watch=()
where="Xvfb $DISPLAY at 96 DPI, no window manager"
if [[ $platform == wayland ]]; then
    start_weston || exit 1
    output=$(xwininfo -root -children | awk '/"Weston Compositor/ {print $1; exit}')
    [[ -n $output ]] || { echo "cannot find weston's window on $DISPLAY" >&2; exit 1; }
    watch=(-w "$output")
    where="weston $(weston --version | awk '{print $2}') in Xvfb $DISPLAY at 96 DPI"
fi

# One launch of a program; appends "map_ms=.. paint_ms=.. rss_kb=.. pss_kb=.." to its results.
launch() {
    local name=$1 binary=$2
    "$xwatch" "${watch[@]}" -- "$binary" >>"$work/$name" && return
    echo "launching $binary failed" >&2
    gone "${pids[0]}" && echo "(the benchmark's Xvfb $DISPLAY has gone)" >&2
    exit 1
}

echo "Start-up on $platform: $runs launches each after a warm-up, $where"
# The warm-up fills the file caches and the fontconfig cache and starts whatever session
# services the toolkit starts on first use; its figures are not counted.
launch warm-up "$program"
launch warm-up "$floor"
for ((i = 0; i < runs; i++)); do
    # Alternate which goes first, so neither always runs right after the other.
    if ((i % 2 == 0)); then
        launch program "$program"
        launch floor "$floor"
    else
        launch floor "$floor"
        launch program "$program"
    fi
done

# stats NAME KEY SCALE: "median min max" of one measure, divided by SCALE.
stats() {
    sed -n "s/.*\<$2=\([0-9.]*\).*/\1/p" "$work/$1" | sort -g | awk -v scale="$3" '
        { v[NR] = $1 / scale }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%s %s %s\n", median, v[1], v[NR]
        }'
}

printf '\n| measure | program median (min–max) | floor median (min–max) | program/floor |\n'
printf '|---|---|---|---|\n'
rows=("paint ms:paint_ms:1:1" "RSS MB:rss_kb:1024:1" "PSS MB:pss_kb:1024:1")
[[ $platform == xcb ]] && rows=("map ms:map_ms:1:1" "${rows[@]}")
for row in "${rows[@]}"; do
    IFS=: read -r label key scale _ <<<"$row"
    read -r pm pmin pmax <<<"$(stats program "$key" "$scale")"
    read -r fm fmin fmax <<<"$(stats floor "$key" "$scale")"
    awk -v l="$label" -v pm="$pm" -v pmin="$pmin" -v pmax="$pmax" \
        -v fm="$fm" -v fmin="$fmin" -v fmax="$fmax" 'BEGIN {
        printf "| %s | %.1f (%.1f–%.1f) | %.1f (%.1f–%.1f) | %.2f |\n",
            l, pm, pmin, pmax, fm, fmin, fmax, (fm > 0 ? pm / fm : 0) }'
done
