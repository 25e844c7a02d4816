#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sources are formatted with the project's .clang-format. In a git work tree the sources are
# what git tracks or would track; in an unpacked source tarball, every C++ file outside the
# build directories.
set -euo pipefail
cd "$(dirname "$0")/../.."

if command -v git >/dev/null && [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$PWD" ]]; then
    mapfile -d '' sources < <(git ls-files -z -co --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -d '' sources < <(find . \( -path './build*' -o -path ./.git \) -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
((${#sources[@]})) || { echo "format: no C++ sources found" >&2; exit 1; }
clang-format --dry-run --Werror "${sources[@]}"
echo "format: ${#sources[@]} files formatted"
