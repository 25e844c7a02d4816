#!/usr/bin/env bash
# The desktop files validate, and an install into a staging directory holds every file a
# desktop needs, each where it looks for it.
set -uo pipefail
cd "$(dirname "$0")/../.."
id=org.ombrel.MortgageCalculator

status=0
fail() {
    echo "packaging: $*" >&2
    status=1
}

desktop-file-validate "packaging/$id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "packaging/$id.metainfo.xml" || fail "the metainfo does not validate"
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
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for file in "${expected[@]}"; do
    [[ -s $stage/$file ]] || fail "$file missing from the install"
done
[[ -x $stage/usr/bin/mortgage-calculator ]] || fail "the program is not executable"

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
