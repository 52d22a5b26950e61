#!/usr/bin/env bash
# Builds the browser's page, build-web/corvane.html: one self-contained file that runs from
# file:// with no network.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${CORVANE_WEB_BUILD:-build-web}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
nice -n 10 cmake --build "$build" -j"${CORVANE_JOBS:-2}" --target corvane
cp "$build/src/web/corvane.html" "$build/corvane.html"
ls -l "$build/corvane.html"
