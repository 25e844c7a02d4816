#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package as a user gets it: built from a copy of the tree (the checkout stays as it
# is, git or not) without the tests, clean under lintian, installed with apt, started from its
# desktop entry and read over AT-SPI with its payment shown, then purged without a trace.
# All of it happens in a bare root of this machine's Debian release (scripts/checks/70-bare-root.sh
# package), never on the machine that runs the tests; inside a bare root, in place. A machine
# where the package is already installed keeps it: the install steps are skipped, and say so.
set -uo pipefail
cd "$(dirname "$0")/../.."
if [[ -z ${LOAN_IN_BARE_ROOT:-} ]]; then
    if [[ ${LOAN_BARE_ROOTS:-} != 1 ]]; then
        echo "debian package: skipped: needs a bare Debian root; ./test.sh --bare-roots runs it"
        exit 77
    fi
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    case $release in
    bookworm | trixie | forky) exec scripts/checks/70-bare-root.sh package "$release" ;;
    *)
        echo "debian package: skipped: no bare root of this machine's release (${release:-unknown})"
        exit 77
        ;;
    esac
fi
source scripts/source-tree.sh
source scripts/appstream.sh
package=mortgage-calculator
id=org.ombrel.MortgageCalculator

sudo=()
((EUID == 0)) || sudo=(sudo)
work=$(mktemp -d)
installed_here=
cleanup() {
    [[ -n $installed_here ]] &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "$package" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "debian package: $*" >&2
    exit 1
}
started=$SECONDS
step() {
    echo "debian package: $* ($((SECONDS - started)) s)"
}
installed() {
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]]
}

copy_source_tree "$work/$package" || fail "cannot copy the tree"
step "building"
(cd "$work/$package" && dpkg-buildpackage -us -uc -j"$(nproc)") >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log" >&2; fail "dpkg-buildpackage failed"; }
# A user's build builds neither tests nor benchmarks.
for folder in tests bench; do
    [[ -e $work/$package/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)/$folder ]] &&
        fail "the package build also built $folder/"
done
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
changes=$work/${package}_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes
deb=$work/${package}_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[[ -s $changes && -s $deb ]] || fail "no $(basename "$changes") or $(basename "$deb")"

step "lintian"
# The package follows the newest policy; a lintian that knows only an older one says so of
# every such package, and only that is not held against it.
suppressed=()
newest_policy=$(/usr/bin/python3 -c 'import json
print(json.load(open("/usr/share/lintian/data/debian-policy/releases.json"))["releases"][0]["version"])' 2>/dev/null)
standards=$(sed -n 's/^Standards-Version: *//p' debian/control)
[[ -n $newest_policy ]] && dpkg --compare-versions "$standards" gt "$newest_policy" &&
    suppressed+=(newer-standards-version)
# One source package builds on Debian 12 to testing. Testing's lintian (2.143) calls redundant the
# Priority and Rules-Requires-Root fields that Debian 12's dpkg (1.21) still needs spelt out, and
# its debhelper (13.11) offers no compat level past 13; only those three are let through.
for tag in redundant-priority-optional-field redundant-rules-requires-root-no-field \
    package-uses-old-debhelper-compat-version; do
    lintian-explain-tags "$tag" >/dev/null 2>&1 && suppressed+=("$tag")
done
# Lintian validates the installed metainfo without the one allowance of scripts/appstream.sh;
# the package's files are validated here with it, and nothing else is let through.
mkdir "$work/tree" && dpkg-deb -x "$deb" "$work/tree" || fail "cannot unpack $(basename "$deb")"
appstreamcli validate-tree "${APPSTREAM_OPTIONS[@]}" "$work/tree" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "the package's metainfo does not validate"; }
((${#APPSTREAM_OPTIONS[@]} > 1)) && suppressed+=(appstream-metadata-validation-failed)
suppress=()
((${#suppressed[@]})) && suppress=(--suppress-tags "$(IFS=,; echo "${suppressed[*]}")")
# The .changes covers the source package, the binary and its debug symbols.
lintian -I -E --pedantic "${suppress[@]}" "$changes" 2>&1 | grep -v '^running with root privileges is not recommended!$' \
    >"$work/lintian.log"
[[ -s $work/lintian.log ]] && { cat "$work/lintian.log" >&2; fail "lintian reports the above"; }

if installed; then
    step "$package is installed on this machine and stays: install, start and purge not checked"
    exit 0
fi
step "installing"
installed_here=yes
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 install -y \
    --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt cannot install it"; }
installed || fail "apt installed something, but not $package"
dpkg-query -L "$package" >"$work/files"
[[ $(dpkg-query -W -f='${Version}' "$package") == "$version" ]] || fail "the installed version is not $version"

# Where the menu looks: the desktop entry in the applications folder, its icon in the hicolor
# theme, its command on the PATH, the manual page where man finds it.
entry=/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -s /usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no icon $icon in the hicolor theme"
command=$(sed -n 's/^Exec=//p' "$entry")
program=$(command -v "${command%% *}") || fail "Exec=$command is not on the PATH"
[[ $program == "/usr/bin/$package" ]] || fail "Exec=$command finds $program"
[[ $(man -w "$package" 2>/dev/null) == /usr/share/man/man1/$package.1.gz ]] || fail "man $package finds no page"

step "starting it from its desktop entry"
LOAN_PROGRAM=$program scripts/checks/20-atspi.sh >"$work/atspi.log" 2>&1 ||
    { cat "$work/atspi.log" >&2; fail "the installed program does not show its window as expected"; }
grep -m 1 "payment is' text=" "$work/atspi.log" | sed 's/^ */debian package: the window shows: /'

step "purging"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 purge -y "$package" \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt cannot purge it"; }
installed_here=
[[ -z $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) ]] || fail "dpkg still knows $package after the purge"
left=()
while read -r path; do
    # Folders other packages share stay; the package's own go with its files.
    [[ -f $path || -L $path ]] && left+=("$path")
    [[ -d $path && $path == */$package ]] && left+=("$path")
done <"$work/files"
((${#left[@]} == 0)) || fail "left after the purge: ${left[*]}"
step "built, clean under lintian, installed, shown, purged"
