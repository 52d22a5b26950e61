#!/usr/bin/env bash
# Renders the icon's hicolor PNGs from its SVG source (needs rsvg-convert, Debian librsvg2-bin).
# The 16-pixel one has its own drawing, fitted to whole pixels so that it still reads.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
id=org.corvane.Corvane
for size in 16 32 48 64 128 256; do
  source=$id.svg
  [ "$size" -eq 16 ] && source=$id-16.svg
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/${size}x${size}/apps/$id.png"
done
