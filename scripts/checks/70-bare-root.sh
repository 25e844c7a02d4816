#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A newcomer's first command on a bare Debian machine: a fresh minimal root of a release
# (mmdebstrap, variant apt, from the Debian mirrors of this machine's apt sources, pointed at
# that release), a copy of this checkout in /root/ombrel with no build directories and no git,
# and a command run there as root with no display.
#
#   scripts/checks/70-bare-root.sh [run|test|check|package] [bookworm|trixie|forky]
#
# run      ./run.sh; passes when the screenshot it names exists and shows the window;
# test     ./run.sh, then ./test.sh in the same root; passes when the run showed the window and
#          every check passes there;
# check    ./run.sh, then the test build, CTest and the Debian package check in the same root: what
#          a release whose screen reader the stages do not follow yet can prove;
# package  the Debian package check (35-debian-package.sh), which builds, installs, starts and
#          purges the package there rather than on this machine.
# Without arguments (as the test command runs it with --bare-roots): ./run.sh in a Debian 12 root,
# ./run.sh and the whole test command in one Debian 13 root, and `check` in a testing root (this
# machine runs the tests on its own release, and 35-debian-package the package check in a root
# of it). Testing's Orca (51) reads neither message box's text, so its Orca stage and the rest of
# the test command are left out there until the program makes it read them. Without that switch (LOAN_BARE_ROOTS=1)
# it is skipped: building the roots takes minutes each.
# Each release's root is built once and kept as a tarball in LOAN_BARE_ROOT_CACHE
# (/var/cache/ombrel-bare-root), outside any checkout, and built again when the sources change or
# it is a week old; beside it, each release's compiler cache, which the test command's builds in
# that root use. The whole log is left in build/bare-root-<release>-<command>.log, the screenshot
# in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."
self=$PWD/scripts/checks/$(basename "$0")

command=
release=
for argument in "$@"; do
    case $argument in
    run | test | check | package) command=$argument ;;
    bookworm | trixie | forky) release=$argument ;;
    *) echo "usage: $0 [run|test|check|package] [bookworm|trixie|forky]" >&2; exit 2 ;;
    esac
done

if [[ -n ${LOAN_IN_BARE_ROOT:-} ]]; then
    # The kernel refuses a chrooted process new user namespaces, and the chroot's root is no
    # mount point whose propagation a mount namespace could make private.
    echo "bare root: skipped: a chroot can make neither the namespaces nor the mounts a root needs"
    exit 77
fi
if [[ -z $command && -z $release ]]; then
    if [[ ${LOAN_BARE_ROOTS:-} != 1 ]]; then
        echo "bare root: skipped: builds bare Debian roots; ./test.sh --bare-roots runs it"
        exit 77
    fi
    status=0
    for run in "run bookworm" "test trixie" "check forky"; do
        # shellcheck disable=SC2086
        "$self" $run || status=1
    done
    exit "$status"
fi
command=${command:-run}
release=${release:-trixie}
case $command in
run | package) limit=1800 ;;
test | check) limit=2400 ;;
esac

if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "bare root: needs root (mmdebstrap, chroot, mounts)" >&2; exit 1; }
    exec sudo "$self" "$command" "$release"
fi
# Mounts made in a mount namespace of our own can never outlive this script, whatever ends it.
[[ -n ${LOAN_BARE_ROOT_PRIVATE:-} ]] ||
    exec unshare --mount --propagation private env LOAN_BARE_ROOT_PRIVATE=1 "$self" "$command" "$release"

fail() {
    echo "bare root ($release): FAIL: $*" >&2
    exit 1
}

# The Debian mirror and security mirror this machine uses for its own release, asked of apt, so
# a machine behind a mirror of its own keeps using it.
mirror=http://deb.debian.org/debian
security=http://deb.debian.org/debian-security
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
while read -r uri suite; do
    [[ -n $codename && $suite == "$codename" ]] && mirror=${uri%/}
    [[ -n $codename && $suite == "$codename-security" ]] && security=${uri%/}
done < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' 2>/dev/null | sort -u)
aptopts=()
for option in Acquire::http::Proxy Acquire::https::Proxy Acquire::Check-Valid-Until Acquire::Check-Date; do
    value=
    eval "$(apt-config shell value "$option")"
    [[ -n $value ]] && aptopts+=(--aptopt="$option \"$value\"")
done
# This machine's mirror keeps serving testing after its Release file's Valid-Until has passed; a
# user's live mirror renews it. mmdebstrap leaves its apt options in the root, so the apt-get
# update that setup.sh runs there accepts the same files.
[[ $release == forky ]] && aptopts+=(--aptopt='Acquire::Check-Valid-Until "false"')
sources_text="Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"

cache=${LOAN_BARE_ROOT_CACHE:-/var/cache/ombrel-bare-root}
key=$( { mmdebstrap --version; printf '%s\n' "${aptopts[@]}" "$sources_text"; } | sha256sum)
tarball=$cache/$release-apt-${key:0:16}.tar
mkdir -p "$cache" build/screenshots
exec 9>"$cache/lock"
flock -w 1800 9 || fail "another run held $cache/lock for 30 minutes"
if [[ ! -s $tarball || -z $(find "$tarball" -mtime -7) ]]; then
    echo "bare root: building a minimal $release root into $tarball"
    rm -f "$cache/$release"-apt-*.tar "$cache/$release".*
    printf '%s\n' "$sources_text" >"$cache/$release.sources"
    start=$SECONDS
    timeout 900 mmdebstrap --quiet --variant=apt --format=tar "${aptopts[@]}" \
        "$release" "$tarball.part" "$cache/$release.sources" || fail "mmdebstrap failed"
    mv "$tarball.part" "$tarball"
    echo "bare root: $release root built in $((SECONDS - start)) s"
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
grep -q "^VERSION_CODENAME=$release\$" "$root/etc/os-release" || fail "the root is not $release"
# The root is thrown away afterwards, so dpkg need not wait for each file to reach the disk:
# on a busy machine that is most of the time its packages take to install.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/ombrel-unsafe-io"
# The tree as it is, uncommitted changes included, but nothing built and no git.
source scripts/source-tree.sh && copy_source_tree "$root/root/ombrel"

mount --rbind /dev "$root/dev"
mounted+=("$root/dev")
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mounted+=("$root/tmp")
if [[ $command == test || $command == check ]]; then
    mkdir -p "$cache/ccache-$release" "$root/root/.cache/ccache"
    mount --bind "$cache/ccache-$release" "$root/root/.cache/ccache"
    mounted+=("$root/root/.cache/ccache")
fi

case $command in
run) script="./run.sh" ;;
# One root for both: the packages ./run.sh installs are the first the test command needs.
test) script="./run.sh && echo 'bare root: ./run.sh done' && ./test.sh" ;;
check)
    script="./run.sh && echo 'bare root: ./run.sh done' && scripts/setup.sh test &&
        ctest --test-dir build --output-on-failure --parallel \$(nproc) &&
        scripts/checks/35-debian-package.sh"
    ;;
package) script="scripts/setup.sh package && scripts/checks/35-debian-package.sh" ;;
esac
# A process namespace of its own, with /proc mounted for it: when the command ends or is timed
# out, everything it started ends with it, and /proc goes with the namespace.
log=build/bare-root-$release-$command.log
echo "bare root: $script in a fresh $release root, no display (log: $log)"
start=$SECONDS
status=0
timeout "$limit" unshare --pid --fork --kill-child --mount-proc="$root/proc" \
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb LOAN_IN_BARE_ROOT=1 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/ombrel && $script" >"$log" 2>&1 || status=$?
seconds=$((SECONDS - start))
if ((status)); then
    tail -n 40 "$log" >&2
    ((status == 124)) && fail "$script did not end within $limit s"
    fail "$script failed (status $status) after $seconds s"
fi

case $command in
test)
    grep -E '^(--- .*: (passed|failed|skipped) in [0-9]+ s$|checks: |.*skipped: )' "$log" || true
    echo "bare root: ./run.sh and ./test.sh passed in a $release root in $seconds s"
    ;;
check)
    grep -E '^(debian package: |100% tests passed|[0-9]+% tests passed)' "$log" | tail -n 3 || true
    echo "bare root: ./run.sh, CTest and the package check passed in a $release root in $seconds s"
    ;;
package)
    grep -E '^debian package: ' "$log" | tail -n 2
    echo "bare root: the Debian package check passed in a $release root in $seconds s"
    exit 0
    ;;
esac
# The first screenshot named is ./run.sh's; the test command's stages may name others after it.
named=$(sed -n 's/^Screenshot: //p' "$log" | head -n 1)
[[ -n $named ]] || fail "./run.sh named no screenshot"
[[ -s $root$named ]] || fail "the screenshot $named does not exist"
cp "$root$named" "build/screenshots/bare-root-$release-window.png"
read -r width height colours < <(identify -format '%w %h %k\n' "$root$named")
# The window, painted: about its size (it grows with the font), with text on it.
((width >= 200 && width <= 1280 && height >= 100 && height <= 1024)) ||
    fail "the screenshot is ${width}x$height, not the window"
((colours >= 16)) || fail "the screenshot has $colours colours: the window was not painted"
echo "bare root: ./run.sh showed the window in a $release root (${width}x$height, $colours colours) in $seconds s"
