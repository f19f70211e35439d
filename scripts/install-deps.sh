#!/usr/bin/env bash
# Installs every Debian 12 package the build, the program and the tests need.
# Safe to run again; asks for root through sudo when not run as root.
set -euo pipefail

if [ "$(id -u)" != 0 ]; then
  exec sudo "$0" "$@"
fi

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libcups2-dev libcairo2-dev librsvg2-dev libjpeg-dev libgif-dev libpng-dev fonts-dejavu-core
  googletest libbenchmark-dev
  libx11-dev libxfixes-dev xvfb xdotool x11-utils imagemagick cups poppler-utils
  librsvg2-bin desktop-file-utils appstream lintian
  libxi-dev libxrandr-dev xserver-xorg-core xserver-xorg-video-dummy openbox x11-xserver-utils
  # The keyboard lock on Wayland, and a Wayland desktop for its tests.
  libwayland-dev wayland-protocols sway xwayland wtype grim
  # The sanitizer build and the fuzz targets: Clang with its sanitizer and
  # libFuzzer run-times, and llvm-symbolizer for readable reports.
  clang libclang-rt-14-dev llvm
  # CI checks that every source is formatted as .clang-format says.
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
