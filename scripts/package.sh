#!/usr/bin/env bash
# Builds the Debian package in its own folder, with Debian's hardening flags, and checks it with
# lintian. Prints the package's path. Usage: scripts/package.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null  # the packages the build and lintian need
build=${1:-build-package}

# The flags every Debian package is built with: fortified functions, stack protector, full
# RELRO and immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)" --target corvane corvane-trace manual_pages changelog >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/corvane_*.deb)

# lintian's exit status is non-zero only for errors; warnings and notes are printed.
lintian --info --display-info "$package" >&2
echo "$package"
