#!/bin/sh
# Builds the Debian package merowfish_<version>_<arch>.deb in a Release build and checks it with
# lintian and desktop-file-validate.
#   tools/make-package.sh [build-folder]     (default: build-release)
set -eu
cd "$(dirname "$0")/.."
build="${1:-build-release}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMEROW_BUILD_TESTS=OFF -DMEROW_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
deb="$(ls -t "$build"/merowfish_*.deb | head -n 1)"
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/merowfish.desktop"
echo "== lintian"
lintian "$deb"
echo "== $deb: no lintian errors"
