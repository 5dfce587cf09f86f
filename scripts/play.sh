#!/usr/bin/env bash
# Builds the game and starts it. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
build=${QUELLAN_BUILD_DIR:-build}
# The lean static sound libraries; Debian's shared ones when they cannot be built.
audio=$(bash scripts/audio_libs.sh --or-system | tail -1)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLAN_AUDIO_PREFIX="$audio" -DQUELLAN_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)" --target quellan
exec "$build/game/quellan" "$@"
