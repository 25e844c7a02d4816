#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of the project says who holds its copyright and under which licence, in a header
# or in .reuse/dep5, and every licence named has its text in LICENSES/. The tree is linted as a
# copy without what builds leave behind, so the check reads the same with or without git.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/source-tree.sh

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
copy_source_tree "$copy/tree" || { echo "licensing: cannot copy the tree" >&2; exit 1; }
if ! reuse --root "$copy/tree" lint >"$copy/lint.log" 2>&1; then
    cat "$copy/lint.log" >&2
    echo "licensing: reuse lint failed" >&2
    exit 1
fi
tail -n 1 "$copy/lint.log"
