#!/usr/bin/env bash
# Takes the README's screenshot from the real program: starts the built window on a virtual
# screen, presses Simulate, stops the run after a moment and saves the window as docs/corvane.png.
# Needs a build (./run.sh or scripts/setup.sh) and Xvfb, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $corvane 2>/dev/null || true' EXIT
export DISPLAY=$display XDG_RUNTIME_DIR=$(mktemp -d)
sleep 1
build/corvane &
corvane=$!
window=""
for _ in $(seq 50); do
  window=$(xdotool search --classname corvane 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5

# Buttons by their designed places (15 twips to a pixel), below the menu bar: the window's
# height beyond its designed client area of 539 pixels.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 539))
press() { xdotool mousemove --window "$window" $(($1 / 15)) $(($2 / 15 + menu)) click 1; }
press $((1920 + 1335 / 2)) $((2520 + 375 / 2))  # Simulate
sleep 2.5
press $((3480 + 1335 / 2)) $((2520 + 375 / 2))  # Stop
sleep 0.5
mkdir -p docs
import -window "$window" docs/corvane.png
echo "docs/corvane.png: $(identify -format '%wx%h' docs/corvane.png)"
