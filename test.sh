#!/usr/bin/env bash
# Sets up whatever is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
