#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing (as root, or through sudo). xfonts-base gives the
# message boxes of SDL their core X fonts; clang and its run-time build the fuzz targets;
# desktop-file-utils checks the installed desktop entry.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-image-dev libimgui-dev libstb-dev
  libftgl-dev libfontconfig-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra
  libgl-dev libglu1-mesa-dev libosmesa6-dev libgl1-mesa-dri
  libbullet-dev libgtest-dev libbenchmark-dev libx11-dev nlohmann-json3-dev
  xvfb xdotool x11-utils x11-apps imagemagick xfonts-base lib3ds-dev desktop-file-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
