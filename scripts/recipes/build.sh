#!/usr/bin/env bash
# Builds one of the libraries the game builds itself (SDL2, SDL2_mixer) by
# its recipe in this folder: the source changes patches/LIBRARY-PLATFORM-*.patch,
# then LIBRARY.cmake as CMake's initial cache, through
# scripts/cmake_project.sh. scripts/audio_libs.sh (linux) and
# scripts/windows/sdk.sh (windows) both build this way.
#
# Usage: scripts/recipes/build.sh linux|windows LIBRARY SOURCE BUILD-FOLDER JOBS CMAKE-ARGS...
#        CMAKE-ARGS give the folders, the generator and the compilers.
set -euo pipefail

[ $# -ge 5 ] ||
  { echo "usage: $0 linux|windows LIBRARY SOURCE BUILD-FOLDER JOBS CMAKE-ARGS..." >&2; exit 2; }
platform=$1 library=$2 source=$3 dir=$4 jobs=$5
shift 5
recipes=$(cd "$(dirname "$0")" && pwd)
[ -f "$recipes/$library.cmake" ] || { echo "recipes: no $recipes/$library.cmake" >&2; exit 2; }

# The unpacked source is reused by a later attempt, so a change already
# made is left as it is.
for patch in "$recipes/patches/$library-$platform-"*.patch; do
  [ -f "$patch" ] || continue
  if ! patch -d "$source" -p1 -R -f -s --dry-run <"$patch" >/dev/null 2>&1; then
    patch -d "$source" -p1 -N -s --no-backup-if-mismatch <"$patch" >&2 ||
      { echo "recipes: $patch does not apply to $source" >&2; exit 1; }
  fi
done

bash "$recipes/../cmake_project.sh" "$source" "$dir" "$jobs" "$@" \
  -DQUELLAN_RECIPE_PLATFORM="$platform" -C "$recipes/$library.cmake"
