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
trap 'stop_sound_server; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/cache" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
export HOME="$scratch" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1
export QT_LOGGING_RULES="qt.multimedia*=false"

# A private PulseAudio server with a null sink: the music tests play real files and nobody hears
# them. Its socket is named in PULSE_SERVER, so programs started with another runtime folder
# find it too. Without it those tests skip, saying so.
sound_server=no
start_sound_server() {
    if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
        echo "No pulseaudio/pactl (tools/install-deps.sh --test): the tests that play sound skip."
        return
    fi
    export PULSE_SERVER="unix:$scratch/run/pulse/native"
    # Root is refused a per-user server only with a warning; the log keeps it out of the way.
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n --log-target="file:$scratch/pulse.log" \
        --load="module-null-sink sink_name=silent" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$scratch/run/pulse/native" ||
        true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        if pactl info >/dev/null 2>&1; then
            sound_server=yes
            return
        fi
        sleep 0.5
    done
    echo "The sound server did not start (see below): the tests that play sound skip."
    cat "$scratch/pulse.log" 2>/dev/null || true
    unset PULSE_SERVER
}
stop_sound_server() {
    if [ "$sound_server" = yes ]; then
        pulseaudio --kill 2>/dev/null || true
    fi
}
start_sound_server

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
