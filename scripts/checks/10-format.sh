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
# Debian 12 has clang-format 14 and Debian 13 has 19; the tree is kept in the layout both give
# (where they differ, as in a braced list in an initialiser list, a trailing comma settles it),
# so the answer is the same on either. Every major installed here is asked.
formatters=(clang-format)
for formatter in $(compgen -c clang-format- | grep -E '^clang-format-[0-9]+$' | sort -u); do
    [[ $(readlink -f "$(command -v "$formatter")") == $(readlink -f "$(command -v clang-format)") ]] ||
        formatters+=("$formatter")
done
for formatter in "${formatters[@]}"; do
    "$formatter" --dry-run --Werror "${sources[@]}" || exit 1
    echo "format: ${#sources[@]} files formatted ($("$formatter" --version | grep -o 'version [0-9.]*'))"
done
