#!/usr/bin/env bash
# Set up, build, and start Corvane. On a machine without a screen the window is shown on a
# virtual one (Xvfb), photographed, and closed again, so the command still proves it starts.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

if [ -n "${DISPLAY:-}" ]; then
  exec build/corvane "$@"
fi

echo "There is no display (DISPLAY is not set): showing Corvane on a virtual screen instead."
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
if [ -z "$display" ]; then
  echo "No free display number between :90 and :140." >&2
  exit 1
fi

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
corvane=""
cleanup() {
  [ -n "$corvane" ] && kill "$corvane" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

DISPLAY="$display" build/corvane "$@" &
corvane=$!
sleep 2
picture="$PWD/build/corvane.png"
DISPLAY="$display" import -window root "$picture"
kill "$corvane" 2>/dev/null || true
wait "$corvane" 2>/dev/null || true
corvane=""
echo "Corvane started and showed its window; the screenshot is $picture"
