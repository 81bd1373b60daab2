#!/bin/sh
# Frame costs of the tank at several window sizes, with no fish and with 50: median frame time
# and CPU per frame (the start-up's CPU taken off) from --benchmark, the time a one-frame run takes
# from start to exit, and the peak memory of the long run. The display must be at least as large
# as the largest size (e.g. xvfb-run -s '-screen 0 3840x2160x24'):
#   tools/measure/sizes.sh BUILD [frames] [WxH ...]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
frames="${2:-500}"
shift $(($# < 2 ? $# : 2))
sizes="${*:-1024x768 1680x1050 1920x1080 2560x1440 3840x2160}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"

run() {  # frames: "frames=.. median_ms=.. p95_ms=.. max_ms=.. cpu_s=.. seconds peak_kB"
    bench=$(XDG_RUNTIME_DIR="$scratch/run" MEROW_NO_MESSAGEBOX=1 /usr/bin/time -f "%e %M" \
        -o "$scratch/time" "$build/merowfish" --window "$size" --storage-dir "$scratch" \
        --frames "$1" --benchmark 2>/dev/null)
    echo "$bench $(cat "$scratch/time")" | sed 's/[a-z0-9_]*=//g'
}

echo "size       fish  median_ms  cpu_ms/frame  one-frame run s  peak MB  load"
for size in $sizes; do
    for fish in no-fish fifty-fish; do
        cp "$here/$fish.ini" "$scratch/MerowSet.ini"
        one=$(run 1)
        long=$(run "$frames")
        # fields: frames median p95 max cpu_s seconds peak_kB, for each run
        echo "$one $long" | awk -v s="$size" -v f="$fish" -v n="$frames" \
            -v l="$(cut -d' ' -f1 /proc/loadavg)" '{
            printf "%-10s %4s  %9.1f  %12.1f  %15.2f  %7.0f  %s\n", s, f == "no-fish" ? 0 : 50,
                   $9, 1000 * ($12 - $5) / (n - 1), $6, $14 / 1024, l }'
    done
done
