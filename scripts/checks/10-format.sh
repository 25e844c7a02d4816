#!/usr/bin/env bash
# The sources are formatted with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/../.."
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
