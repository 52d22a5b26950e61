#!/usr/bin/env bash
# Set up, build, and run the whole suite.
#   ./test.sh [ctest arguments]              the suite, from build/
#   ./test.sh --sanitize [ctest arguments]   the suite built with ASan and UBSan (clang, no
#                                            recovery) in build-sanitize/, with the fuzz
#                                            targets' seed corpora
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  source scripts/sanitized.sh
  cd build-sanitize
else
  scripts/setup.sh
  cd build
fi
ctest --output-on-failure -j"$(nproc)" "$@"
