#!/bin/sh
# Configures, builds and runs every test twice: in a normal build and in a build with
# AddressSanitizer and UBSan. GL and GUI tests get a virtual X display.
#   tools/run-tests.sh [build-folder]          both builds (the second in build-folder-sanitize)
#   tools/run-tests.sh --quick [build-folder]  the normal build only
set -eu
cd "$(dirname "$0")/.."
quick=no
if [ "${1:-}" = "--quick" ]; then
    quick=yes
    shift
fi
build="${1:-build}"

# Tests never touch the real user's settings or caches.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/cache" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
export HOME="$scratch" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1
export QT_LOGGING_RULES="qt.multimedia*=false"

run_suite() {
    folder="$1"
    shift
    echo "== $folder: $*"
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder" -j"$(nproc)"
    # -noreset: the server would otherwise reset whenever its last client left, and a test that
    # connects right then finds no display.
    xvfb-run -a -s '-screen 0 1680x1050x24 -nolisten tcp -noreset' \
        ctest --test-dir "$folder" --output-on-failure -j2 --timeout 600
}

run_suite "$build" -DMEROW_SANITIZE=OFF
if [ "$quick" = no ]; then
    # The benchmarks say nothing under the sanitizers; they are left out of that build.
    run_suite "$build-sanitize" -DMEROW_SANITIZE=ON -DMEROW_BUILD_BENCHMARKS=OFF
fi
