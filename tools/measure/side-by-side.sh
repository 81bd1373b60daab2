#!/bin/sh
# CPU per presented frame of the tank (50 fish), of its floor (floor-frame: a picture over the
# whole window, the 50 fish and the swap; the picture shown 1:1 with nearest filtering, then
# stretched with linear filtering) and of xscreensaver's atlantis, taking turns in one window size
# on one display, each program's frames counted by libswapcount.so. One line per
# turn: program, CPU per frame, frames per second, CPU share of one core, load average (1 min).
# Run under an X display (e.g. xvfb-run -s '-screen 0 1680x1050x24'):
#   tools/measure/side-by-side.sh BUILD [WxH] [seconds per turn] [turns]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
size="${2:-1680x1050}"
seconds="${3:-20}"
turns="${4:-3}"
atlantis=/usr/libexec/xscreensaver/atlantis
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$here/fifty-fish.ini" "$scratch/MerowSet.ini"
mkdir -m 700 "$scratch/run"
hz=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
swaps() { tr -d ' \n' <"$scratch/swaps" 2>/dev/null || echo 0; }

measure() {
    name="$1"
    shift
    rm -f "$scratch/swaps"
    SWAPCOUNT_FILE="$scratch/swaps" LD_PRELOAD="$build/tools/measure/libswapcount.so" \
        XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1 "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 5  # start-up and warm-up are not counted
    c0=$(cpu_ticks $pid) s0=$(swaps) t0=$(date +%s.%N)
    sleep "$seconds"
    c1=$(cpu_ticks $pid) s1=$(swaps) t1=$(date +%s.%N)
    load=$(cut -d' ' -f1 /proc/loadavg)
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    awk -v n="$name" -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v hz="$hz" -v t0="$t0" -v t1="$t1" \
        -v l="$load" 'BEGIN { if (s == 0) s = 1e-9;
            printf "%-9s cpu/frame %6.1f ms  fps %5.1f  cpu %5.1f%%  load %s\n",
                   n, 1000 * c / hz / s, s / (t1 - t0), 100 * c / hz / (t1 - t0), l }'
}

t=1
while [ "$t" -le "$turns" ]; do
    measure tank "$build/merowfish" --window "$size" --storage-dir "$scratch"
    measure floor "$build/tools/measure/floor-frame" "$size" nearest
    measure floor-lin "$build/tools/measure/floor-frame" "$size" linear
    measure atlantis "$atlantis" --window -geometry "$size+0+0"
    t=$((t + 1))
done
