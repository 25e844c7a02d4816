#!/usr/bin/env bash
# Installs whatever Debian packages are missing for a purpose ("run" or "test"), then
# configures and builds the program into build/. Safe to run again: it only does what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

purpose=${1:-run}
packages=(cmake make g++ qt6-base-dev libgl-dev fonts-dejavu-core)
if [[ $purpose == test ]]; then
    packages+=(clang-format xvfb xauth openbox xdotool imagemagick x11-utils dbus dbus-x11 at-spi2-core
               python3 python3-pyatspi qt6-base-private-dev desktop-file-utils appstream clang libclang-rt-14-dev
               libbenchmark-dev libx11-dev libxdamage-dev libxfixes-dev
               orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libao4)
elif [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    packages+=(xvfb xauth xdotool imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # With their recommended packages, as the project was developed and tested.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOAN_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build --parallel "$(nproc)"
