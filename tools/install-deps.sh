#!/usr/bin/env bash
# Installs the Debian packages Vantora builds, runs and tests with; quiet when all are present.
# Given package names, installs those instead (the content tools' own needs).
set -euo pipefail

packages=(
    cmake g++ make pkg-config git
    libsdl2-dev libsdl2-mixer-dev libepoxy-dev libstb-dev libfreetype-dev
    libtinyxml2-dev liblua5.1-0-dev libimgui-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libgl1-mesa-dri libegl-mesa0 xvfb xauth
    clang-format python3
    fonts-dejavu-core
)

[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
