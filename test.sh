#!/usr/bin/env bash
# Set up, build, and run the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
