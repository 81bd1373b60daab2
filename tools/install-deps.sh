#!/bin/sh
# Installs the Debian 12 packages the aquarium needs, only those that are missing.
#   tools/install-deps.sh          to build and run
#   tools/install-deps.sh --test   also what the tests and benchmarks need
set -eu

packages="cmake g++ make qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev libglu1-mesa-dev
libsoil-dev libxcb1-dev libgl1-mesa-dri gstreamer1.0-plugins-base gstreamer1.0-plugins-good
xdg-utils"
if [ "${1:-}" = "--test" ]; then
    packages="$packages googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
