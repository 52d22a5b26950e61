#!/usr/bin/env bash
# The engine tick natively and as WebAssembly under node, one after the other on this machine.
# Usage: bench/wasm/compare.sh [BUILD_FOLDER]   (default build/, after ./test.sh)
set -euo pipefail
build=${1:-$(dirname "$0")/../../build}
echo "native:"; "$build/bench/wasm/tick_median"
echo "wasm (node $(node --version)):"; node "$build/wasm/bench/wasm/tick_median.js"
