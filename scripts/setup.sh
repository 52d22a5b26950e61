#!/usr/bin/env bash
# Installs what is missing (apt-get, sudo when not root) and builds. Quiet when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

# One line per need, so that each part of the tree names what it brings in.
packages=(
  cmake g++ make qt6-base-dev qt6-qpa-plugins libbenchmark-dev   # build, tests, benchmarks
  xvfb xauth imagemagick fonts-liberation xdotool                # the window on a virtual screen
  ngspice gnuplot-nox                                            # validation and its figure
  libgif-dev                                                     # corvane-trace --gif
  desktop-file-utils appstream man-db bash-completion            # the installed tree's checks
  lintian dpkg-dev fakeroot file                                 # scripts/package.sh
  clang libfuzzer-14-dev libclang-rt-14-dev                      # ./test.sh --sanitize, fuzz/
  emscripten musl-dev                                            # the browser build, shared maths
  chromium                                                       # the page's tests, headless
  locales                                                        # numbers under a German locale
)
# npm fetches the page tests' driver; a node installed outside the package manager brings its own.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A decimal-comma locale, for the check that no number follows the user's locale.
if ! locale -a 2>/dev/null | grep -qx de_DE.utf8; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi

# The page's tests drive Chromium through puppeteer-core, as locked in tests/web.
if [ ! -d tests/web/node_modules ] || [ tests/web/package-lock.json -nt tests/web/node_modules ]; then
  npm ci --prefix tests/web --no-audit --no-fund >/dev/null
fi

# The folder and the configuration can be chosen (./test.sh --sanitize builds elsewhere).
build="${CORVANE_BUILD:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  # shellcheck disable=SC2086 # the arguments are words on purpose
  cmake -S . -B "$build" ${CORVANE_CMAKE_ARGS:--DCMAKE_BUILD_TYPE=Release} >/dev/null
fi
if ! cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi
