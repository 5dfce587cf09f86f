#!/usr/bin/env bash
# Builds the sound libraries the game links on Linux: SDL2 and SDL2_mixer as
# static libraries, from Debian's own source packages at the versions of the
# installed libsdl2-dev and libsdl2-mixer-dev, with only what the game uses.
# Debian's shared libraries bring in every codec (FLAC, Opus, MOD, MIDI with
# FluidSynth and its own dependencies, mpg123) and SDL's video stack, all
# loaded and relocated at every start; the game only plays WAV effects and
# MP3 music through SDL's audio.
#
# Usage: scripts/audio_libs.sh [--or-system]
#        prints the install folder as its last line (with --or-system an
#        empty line when the libraries could not be built)
#
# SDL2: the audio subsystem and what it stands on; SDL2_mixer: WAV and MP3.
# Their switches and source changes are in scripts/recipes/ (linux), shared
# with the Windows SDK's build of the same libraries.
#
# The folder is named by the versions and the recipe below
# ${QUELLAN_CACHE_HOME:-${XDG_CACHE_HOME:-~/.cache}/quellan} and reused while
# its marker file, written last, is there. QUELLAN_AUDIO_JOBS sets the build's
# parallel jobs.
set -euo pipefail
# The whole script is one function, read before it runs: editing this file
# while a build runs does not disturb that build.
main() {
  if [ "${1:-}" = --or-system ]; then
    or_system
    return
  fi
  cd "$(dirname "$0")/.."
  local repo=$PWD

  # Bump when the way the libraries are built changes.
  local recipe=3
  local sdl_deb mixer_deb
  sdl_deb=$(dpkg-query -W -f='${Version}' libsdl2-dev)
  mixer_deb=$(dpkg-query -W -f='${Version}' libsdl2-mixer-dev)
  local cache=${QUELLAN_CACHE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellan}
  local name=audio-sdl$sdl_deb-mixer$mixer_deb-recipe$recipe
  local prefix=$cache/${name//:/_}
  local marker=$prefix/quellan-audio-complete
  mkdir -p "$cache"
  # One build at a time (the game and the tests may be started together).
  exec {lock}>"$prefix.lock"
  flock "$lock"
  if [ -f "$marker" ]; then
    echo "$prefix"
    return
  fi

  local t_start=$SECONDS
  log() { echo "audio libraries: $* ($((SECONDS - t_start)) s)" >&2; }
  fail() {
    echo "audio libraries: $*" >&2
    exit 1
  }
  local work=$prefix.work
  rm -rf "$prefix" "$work"/build-*
  local sources
  mapfile -t sources < <(bash "$repo/scripts/debian_sources.sh" "$work/src" \
    "libsdl2=$sdl_deb" "libsdl2-mixer=$mixer_deb")
  [ ${#sources[@]} -eq 2 ] || exit 1

  # The libraries' switches and source changes: scripts/recipes/.
  local common=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix")
  if command -v ninja >/dev/null; then common+=(-G Ninja); fi
  build() { # build LIBRARY SOURCE CMAKE-ARGS...
    local library=$1 source=$2
    shift 2
    log "building $library"
    bash "$repo/scripts/recipes/build.sh" linux "$library" "$source" "$work/build-$library" \
      "${QUELLAN_AUDIO_JOBS:-$(nproc)}" "${common[@]}" "$@"
  }

  build sdl2 "${sources[0]}"
  # A driver Debian's build has must not be left out because a header was
  # missing: the game would be silent where it sounded before.
  local driver
  for driver in PULSEAUDIO PIPEWIRE ALSA SNDIO; do
    grep -q "^#define SDL_AUDIO_DRIVER_$driver 1" "$prefix"/include/SDL2/SDL_config*.h ||
      fail "SDL was configured without its $driver driver (a -dev package missing?)"
  done
  log "SDL2 done"

  build sdl2_mixer "${sources[1]}" -DSDL2_DIR="$prefix/lib/cmake/SDL2"
  log "SDL2_mixer done"

  rm -rf "$work"
  echo "recipe $recipe" >"$marker"
  log "complete in $prefix"
  echo "$prefix"
}
# For the build commands: when the libraries cannot be built (no network,
# say), one line says so and an empty last line lets the game link the
# system's shared SDL2_mixer instead, so that it always builds.
or_system() {
  local prefix
  if prefix=$(bash "$0" | tail -1) && [ -n "$prefix" ]; then
    echo "$prefix"
  else
    echo "audio libraries: not built, so the game links Debian's shared SDL2_mixer" >&2
    echo
  fi
}
main "$@"
exit
