#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, when missing.
# Usage: scripts/deps.sh [build|test]
set -euo pipefail

build_pkgs=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev zlib1g-dev
  libsdl2-mixer-dev
  # The game's own lean SDL2 and SDL2_mixer (scripts/audio_libs.sh): Debian's
  # sources, the tool that makes the recipes' source changes
  # (scripts/recipes/patches/) and the headers of the sound systems SDL loads
  # when it tries them.
  dpkg-dev debian-archive-keyring patch
  libpulse-dev libpipewire-0.3-dev libasound2-dev libsndio-dev
  fonts-arphic-uming
)
test_pkgs=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth
)

want=("${build_pkgs[@]}")
if [ "${1:-build}" = test ]; then want+=("${test_pkgs[@]}"); fi
# Extra package lists of optional parts (for example the Windows cross build).
for extra in "$(dirname "$0")"/deps.d/*.list; do
  [ -e "$extra" ] || continue
  if [ "${1:-build}" = test ]; then
    while read -r p; do [ -n "$p" ] && [ "${p:0:1}" != "#" ] && want+=("$p"); done <"$extra"
  fi
done

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
