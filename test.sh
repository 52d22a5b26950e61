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
  CORVANE_BUILD=build-sanitize \
    CORVANE_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCORVANE_SANITIZE=ON" \
    scripts/setup.sh
  cd build-sanitize
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  scripts/setup.sh
  cd build
fi
ctest --output-on-failure -j"$(nproc)" "$@"
