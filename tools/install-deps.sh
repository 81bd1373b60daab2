#!/bin/sh
# Installs the Debian 12 packages the aquarium needs, only those that are missing.
#   tools/install-deps.sh          to build and run
#   tools/install-deps.sh --test   also what the tests and benchmarks need
#   tools/install-deps.sh --package  also what making and checking the Debian package needs
set -eu

# GStreamer plays the music: -base (Ogg Vorbis; Qt's player needs it), -good (WAV, MP3, FLAC),
# -bad (MPEG program streams for .mpeg, AAC for .m4a).
packages="cmake g++ make qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev libglu1-mesa-dev
libsoil-dev libxcb1-dev libxcb-screensaver0-dev libxcb-dpms0-dev libgl1-mesa-dri
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad xdg-utils"
if [ "${1:-}" = "--test" ]; then
    # The music tests make their files with sox and lame and play them through a PulseAudio
    # server with a null sink.
    packages="$packages googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool
x11-xserver-utils dpkg-dev file desktop-file-utils man-db sox lame pulseaudio pulseaudio-utils"
elif [ "${1:-}" = "--package" ]; then
    packages="$packages dpkg-dev file desktop-file-utils lintian"
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
