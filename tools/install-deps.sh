#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing the game need.
# Idempotent: asks apt only for what is missing, so a second run takes a moment.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libx11-dev libopenal-dev libsndfile1-dev libfluidsynth-dev libasound2-dev
    timgm6mb-soundfont
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xdotool imagemagick x11-utils desktop-file-utils appstream dpkg-dev
    lame sox clang-format zlib1g-dev
)
if [ "${1:-}" = "--play" ]; then
    # Playing needs only the compiler, CMake and the libraries' headers (zlib: the level tool,
    # which the build configures alongside the game).
    packages=(build-essential cmake ninja-build pkg-config libsdl2-dev libx11-dev libopenal-dev
        libsndfile1-dev libfluidsynth-dev libasound2-dev zlib1g-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
