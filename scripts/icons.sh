#!/usr/bin/env bash
# Renders the icon's hicolor PNGs from its SVG source (needs rsvg-convert, Debian librsvg2-bin).
# The 16-pixel one has its own drawing, fitted to whole pixels so that it still reads.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
# The id and the sizes as the build has them.
setting() { sed -n "s/^set($1 \(.*\))$/\1/p" ../../CMakeLists.txt; }
id=$(setting CORVANE_APP_ID)
for size in $(setting CORVANE_ICON_SIZES); do
  source=$id.svg
  [ "$size" -eq 16 ] && source=$id-16.svg
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/${size}x${size}/apps/$id.png"
done
