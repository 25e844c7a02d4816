#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop files validate, an install into a staging directory holds every file a desktop
# needs, each where it looks for it, and the version and keywords written in more than one
# place agree.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/appstream.sh
id=org.ombrel.MortgageCalculator

status=0
fail() {
    echo "packaging: $*" >&2
    status=1
}

desktop-file-validate "packaging/$id.desktop" || fail "the desktop entry does not validate"
# A scalable icon: well-formed SVG, square.
/usr/bin/python3 - "packaging/$id.svg" <<'PYTHON' || fail "the icon is not a square SVG image"
import sys
import xml.etree.ElementTree as ElementTree
root = ElementTree.parse(sys.argv[1]).getroot()
x, y, width, height = (float(v) for v in root.get("viewBox").split())
sys.exit(root.tag != "{http://www.w3.org/2000/svg}svg" or width != height)
PYTHON

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install build --prefix /usr >"$stage.log" 2>&1 ||
    { cat "$stage.log" >&2; fail "cmake --install failed"; }
rm -f "$stage.log"

expected=(
    usr/bin/mortgage-calculator
    usr/lib/mortgage-calculator/mortgage-calculator-schedule.so
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    usr/share/man/man1/mortgage-calculator.1
)
for file in "${expected[@]}"; do
    [[ -s $stage/$file ]] || fail "$file missing from the install"
done
[[ -x $stage/usr/bin/mortgage-calculator ]] || fail "the program is not executable"
metainfo=$stage/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate "${APPSTREAM_OPTIONS[@]}" "$metainfo" || fail "the metainfo does not validate"
man --warnings -E UTF-8 -l -Tutf8 -Z "$stage/usr/share/man/man1/mortgage-calculator.1" \
    2>&1 >/dev/null | grep . && fail "the manual page has formatting warnings"

# One version: the project's, as CMake knows it, is the release the metainfo names and the
# version of the Debian package.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
release=$(/usr/bin/python3 -c 'import sys, xml.etree.ElementTree as T
print(T.parse(sys.argv[1]).find("releases/release").get("version"))' "$metainfo")
package_version=$(dpkg-parsechangelog -l debian/changelog -S Version)
[[ -n $version && $release == "$version" ]] ||
    fail "the metainfo names release $release, the project is version $version"
[[ $package_version == "$version" ]] ||
    fail "debian/changelog is at $package_version, the project is version $version"

# The menu and software centres find the program by the same words.
desktop_keywords=$(sed -n 's/^Keywords=//p' "packaging/$id.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
metainfo_keywords=$(/usr/bin/python3 -c 'import sys, xml.etree.ElementTree as T
print("\n".join(k.text for k in T.parse(sys.argv[1]).iter("keyword")))' "$metainfo" | sort)
[[ $desktop_keywords == "$metainfo_keywords" ]] ||
    fail "keywords differ: desktop entry $(paste -sd, <<<"$desktop_keywords"), metainfo $(paste -sd, <<<"$metainfo_keywords")"

# What the desktop entry names must be what was installed.
exec_line=$(sed -n 's/^Exec=//p' "$stage/usr/share/applications/$id.desktop")
[[ -x $stage/usr/bin/${exec_line%% *} ]] || fail "Exec=$exec_line is not the installed program"
icon_line=$(sed -n 's/^Icon=//p' "$stage/usr/share/applications/$id.desktop")
[[ $icon_line == "$id" ]] || fail "Icon=$icon_line is not the installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$stage/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not launch $id.desktop"

# Nothing installed that nobody asked for.
unexpected=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort |
    comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[[ -z $unexpected ]] || fail "unexpected files installed: $unexpected"

((status == 0)) && echo "packaging: ${#expected[@]} files installed and valid"
exit "$status"
