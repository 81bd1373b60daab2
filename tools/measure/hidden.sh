#!/bin/sh
# CPU share of one core of a tank (50 fish) that nobody sees, and its presented frames: shown,
# unmapped, shown again, covered by another window (xscreensaver's atlantis), and on a screen
# the server has blanked.
# Run under an X display without a compositor (e.g. xvfb-run):
#   tools/measure/hidden.sh BUILD [seconds per phase]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-20}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$here/fifty-fish.ini" "$scratch/MerowSet.ini"
mkdir -m 700 "$scratch/run"
hz=$(getconf CLK_TCK)

SWAPCOUNT_FILE="$scratch/swaps" LD_PRELOAD="$build/tools/measure/libswapcount.so" \
    XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1 \
    "$build/merowfish" --window 1680x1050 --storage-dir "$scratch" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$scratch"' EXIT
window=$(xdotool search --sync --onlyvisible --pid $pid | head -1)
sleep 3

phase() {
    sleep 1  # a frame in flight when the phase began is not counted
    c0=$(awk '{print $14 + $15}' /proc/$pid/stat) s0=$(tr -d ' \n' <"$scratch/swaps")
    sleep "$seconds"
    c1=$(awk '{print $14 + $15}' /proc/$pid/stat) s1=$(tr -d ' \n' <"$scratch/swaps")
    awk -v n="$1" -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$seconds" \
        -v l="$(cut -d' ' -f1 /proc/loadavg)" \
        'BEGIN { printf "%-13s cpu %5.1f%%  frames %5d  load %s\n", n, 100 * c / hz / t, s, l }'
}

phase shown
xdotool windowunmap --sync "$window"
phase unmapped
xdotool windowmap --sync "$window"
phase shown-again
/usr/libexec/xscreensaver/atlantis --window -geometry 1700x1100+0+0 >/dev/null 2>&1 &
cover=$!
phase covered
kill $cover
wait $cover 2>/dev/null || true
phase uncovered
xset s blank && xset s activate
phase blanked
xset s reset
phase woken
