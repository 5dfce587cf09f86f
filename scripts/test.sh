#!/usr/bin/env bash
# Builds the game and runs every test. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
build=${QUELLAN_BUILD_DIR:-build}
# The lean static sound libraries; Debian's shared ones when they cannot be built.
audio=$(bash scripts/audio_libs.sh --or-system | tail -1)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLAN_AUDIO_PREFIX="$audio"
cmake --build "$build" -j"$(nproc)"
# Tests never touch the user's settings or sound card, and need no display.
# Built things worth keeping between runs (the Windows SDK) stay in the
# user's own cache.
export QUELLAN_CACHE_HOME=${QUELLAN_CACHE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellan}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
for extra in scripts/test.d/*.sh; do
  [ -e "$extra" ] || continue
  bash "$extra" "$build"
done
