#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A newcomer's first command on a bare Debian 12 machine: a fresh minimal root (mmdebstrap,
# variant apt, from this machine's apt sources), a copy of this checkout in /root/ombrel with no
# build directories and no git, and ./run.sh run there as root with no display. Passes when the
# screenshot it names exists and shows the window.
#
#   scripts/checks/70-bare-root.sh [run|test]
#
# "test" runs ./test.sh there instead (too slow for every run of the test command). The root is
# built once and kept as a tarball in LOAN_BARE_ROOT_CACHE (/var/cache/ombrel-bare-root), outside
# any checkout, and built again when this machine's sources change or it is a week old. The
# whole log is left in build/bare-root-<run|test>.log, the screenshot in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."
self=$PWD/scripts/checks/$(basename "$0")
command=${1:-run}
case $command in
run) limit=1200 ;;
test) limit=5400 ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

if [[ -n ${LOAN_IN_BARE_ROOT:-} ]]; then
    echo "bare root: not run again inside a bare root"
    exit 0
fi
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "bare root: needs root (mmdebstrap, chroot, mounts)" >&2; exit 1; }
    exec sudo "$self" "$@"
fi
# Mounts made in a mount namespace of our own can never outlive this script, whatever ends it.
[[ -n ${LOAN_BARE_ROOT_PRIVATE:-} ]] ||
    exec unshare --mount --propagation private env LOAN_BARE_ROOT_PRIVATE=1 "$self" "$@"

fail() {
    echo "bare root: FAIL: $*" >&2
    exit 1
}

# This machine's apt sources, and the settings it needs to reach them.
sources=()
[[ -s /etc/apt/sources.list ]] && sources+=(/etc/apt/sources.list)
for file in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -e $file ]] && sources+=("$file")
done
((${#sources[@]})) || fail "this machine has no apt sources"
aptopts=()
for option in Acquire::http::Proxy Acquire::https::Proxy Acquire::Check-Valid-Until Acquire::Check-Date; do
    value=
    eval "$(apt-config shell value "$option")"
    [[ -n $value ]] && aptopts+=(--aptopt="$option \"$value\"")
done

cache=${LOAN_BARE_ROOT_CACHE:-/var/cache/ombrel-bare-root}
key=$( { mmdebstrap --version; printf '%s\n' "${aptopts[@]}"; cat "${sources[@]}"; } | sha256sum)
tarball=$cache/bookworm-apt-${key:0:16}.tar
mkdir -p "$cache" build/screenshots
exec 9>"$cache/lock"
flock -w 900 9 || fail "another run held $cache/lock for 15 minutes"
if [[ ! -s $tarball || -z $(find "$tarball" -mtime -7) ]]; then
    echo "bare root: building a minimal Debian 12 root into $tarball"
    rm -f "$cache"/bookworm-apt-*.tar "$cache"/*.part
    start=$SECONDS
    timeout 900 mmdebstrap --quiet --variant=apt --format=tar "${aptopts[@]}" \
        bookworm "$tarball.part" "${sources[@]}" || fail "mmdebstrap failed"
    mv "$tarball.part" "$tarball"
    echo "bare root: root built in $((SECONDS - start)) s"
fi
flock -u 9

work=
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" ||
            echo "bare root: could not unmount ${mounted[i]}" >&2
    done
    mounted=()
    [[ -n $work ]] || return 0
    if findmnt -rn -o TARGET | grep -q "^$work/"; then
        echo "bare root: $work left in place, something is still mounted in it" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT

work=$(mktemp -d /var/tmp/ombrel-bare-root.XXXXXX)
root=$work/root
mkdir "$root"
tar -xf "$tarball" -C "$root"
# The tree as it is, uncommitted changes included, but nothing built and no git.
source scripts/source-tree.sh && copy_source_tree "$root/root/ombrel"

mount --rbind /dev "$root/dev"
mounted+=("$root/dev")
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mounted+=("$root/tmp")

# A process namespace of its own, with /proc mounted for it: when the command ends or is timed
# out, everything it started ends with it, and /proc goes with the namespace.
log=build/bare-root-$command.log
echo "bare root: ./$command.sh in a fresh root, no display (log: $log)"
start=$SECONDS
status=0
timeout "$limit" unshare --pid --fork --kill-child --mount-proc="$root/proc" \
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb LOAN_IN_BARE_ROOT=1 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/ombrel && ./$command.sh" >"$log" 2>&1 || status=$?
seconds=$((SECONDS - start))
if ((status)); then
    tail -n 40 "$log" >&2
    ((status == 124)) && fail "./$command.sh did not end within $limit s"
    fail "./$command.sh failed (status $status) after $seconds s"
fi

if [[ $command == test ]]; then
    grep -E '^checks: ' "$log" | tail -n 1
    echo "bare root: ./test.sh passed in $seconds s"
    exit 0
fi
named=$(sed -n 's/^Screenshot: //p' "$log" | tail -n 1)
[[ -n $named ]] || fail "./run.sh named no screenshot"
[[ -s $root$named ]] || fail "the screenshot $named does not exist"
cp "$root$named" build/screenshots/bare-root-window.png
read -r width height colours < <(identify -format '%w %h %k\n' "$root$named")
# The window, painted: about its size (it grows with the font), with text on it.
((width >= 200 && width <= 1280 && height >= 100 && height <= 1024)) ||
    fail "the screenshot is ${width}x$height, not the window"
((colours >= 16)) || fail "the screenshot has $colours colours: the window was not painted"
echo "bare root: ./run.sh showed the window (${width}x$height, $colours colours) in $seconds s"
