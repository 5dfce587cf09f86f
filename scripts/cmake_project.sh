#!/usr/bin/env bash
# Configures, builds and installs one CMake project of the libraries the game
# builds itself (scripts/audio_libs.sh, scripts/windows/sdk.sh). Each step's
# output goes to a log file in the build folder; a failing step names its
# log in one line.
#
# Usage: scripts/cmake_project.sh SOURCE BUILD-FOLDER JOBS CMAKE-ARGS...
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: $0 SOURCE BUILD-FOLDER JOBS CMAKE-ARGS..." >&2; exit 2; }
source=$1 dir=$2 jobs=$3
shift 3
mkdir -p "$dir"
step() { # step NAME COMMAND...
  local name=$1
  shift
  "$@" >"$dir/$name.log" 2>&1 || { echo "$name of $source failed, see $dir/$name.log" >&2; exit 1; }
}
step configure cmake -S "$source" -B "$dir" "$@"
step build cmake --build "$dir" -j"$jobs"
step install cmake --install "$dir"
