#!/usr/bin/env bash
# The README's gallery, made by corvane-trace: the lattice diagram of a pulse train on a
# 50/100 ohm cascade into a 100 pF load, a step running into an open end and back, and the
# standing-wave envelope of a sine on a shorted line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
trace=build/tools/corvane-trace
out=docs/gallery
mkdir -p "$out"

"$trace" --source "Pulse Train" --cascade --zo1 50 --zo2 100 --load Capacitor --ticks 600 \
  --lattice "$out/lattice-pulse-train-cascade.png" --png "$out/plot-pulse-train-cascade.png" \
  >/dev/null
"$trace" --load-resistance 1e10 --ticks 400 --show both --gif "$out/step-open-end.gif" >/dev/null
"$trace" --source Sine --load-resistance 0 --ticks 1200 --envelope --scale 2 \
  --png "$out/standing-wave-envelope.png" >/dev/null
ls -l "$out"
