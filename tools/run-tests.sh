#!/bin/sh
# Configures, builds and runs every test. GL and GUI tests get a virtual X display.
#   tools/run-tests.sh [build-folder]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

# Tests never touch the real user's settings or caches.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/cache" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
export HOME="$scratch" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1
export QT_LOGGING_RULES="qt.multimedia*=false"

xvfb-run -a -s '-screen 0 1680x1050x24 -nolisten tcp' \
    ctest --test-dir "$build" --output-on-failure -j2 --timeout 600
