#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs whatever Debian packages are missing for a purpose, then configures and builds:
#   run   the program alone, into build-run/ (no tests, no benchmarks, warnings not fatal);
#   test  the program, tests and benchmarks, into build/ (warnings fatal);
#   package  what building, checking and starting the Debian package needs, building nothing.
# Safe to run again: it only does what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

purpose=${1:-run}
# What the program needs to build and show its window.
run_packages=(cmake make g++ qt6-base-dev qt6-charts-dev qt6-wayland libgl-dev libxcb1-dev fonts-dejavu-core)
# What showing it without a display needs: a private X server and a screenshot tool.
headless_packages=(xvfb xauth xdotool imagemagick)
# What the tests, checks and benchmarks need on top of the run packages.
test_packages=(
    qt6-base-private-dev clang-format clang libclang-rt-dev
    xvfb xauth openbox xdotool imagemagick x11-utils
    dbus dbus-x11 at-spi2-core python3 python3-pyatspi
    desktop-file-utils appstream
    libbenchmark-dev libx11-dev libxdamage-dev libxfixes-dev
    mmdebstrap ccache
    weston
    dpkg-dev debhelper lintian reuse man-db
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libao4
    fonts-urw-base35 fonts-noto-core fonts-liberation2
)
# What the Debian package check needs on top of the run packages.
package_packages=(
    dpkg-dev debhelper lintian desktop-file-utils appstream man-db
    xvfb xauth openbox xdotool x11-utils dbus dbus-x11 at-spi2-core python3 python3-pyatspi
)

case $purpose in
run)
    packages=("${run_packages[@]}")
    [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]] || packages+=("${headless_packages[@]}")
    build=build-run
    options=(-DBUILD_TESTING=OFF -DLOAN_BUILD_BENCH=OFF -DLOAN_WARNINGS_AS_ERRORS=OFF)
    ;;
test)
    packages=("${run_packages[@]}" "${test_packages[@]}")
    build=build
    options=(-DBUILD_TESTING=ON -DLOAN_BUILD_BENCH=ON -DLOAN_WARNINGS_AS_ERRORS=ON -DLOAN_COMPILER_CACHE=ON)
    ;;
package)
    packages=("${run_packages[@]}" "${package_packages[@]}")
    build=
    ;;
*)
    echo "usage: $0 [run|test|package]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || {
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Run this as root, or install sudo, to have them installed." >&2
            exit 1
        }
        sudo=(sudo)
    fi
    echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
    # Another package manager at work is waited for, within bounds.
    apt=(apt-get -qq -o DPkg::Lock::Timeout=300)
    "${sudo[@]}" "${apt[@]}" update
    # With their recommended packages, as the project was developed and tested.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y "${missing[@]}" >/dev/null
fi

[[ -n $build ]] || exit 0
echo "Building into $build/"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
