#!/usr/bin/env bash
# Set up, build, and start Corvane.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -x build/corvane ]; then
  exec build/corvane "$@"
fi
echo "The window is not built yet; here is the engine on the start values (corvane-trace):"
exec build/tools/corvane-trace "$@"
