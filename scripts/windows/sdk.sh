#!/usr/bin/env bash
# Builds the Windows SDK the game links against: Qt's base (Core, Gui,
# Widgets, the Windows platform plugin and styles), SDL2 and SDL2_mixer (WAV
# and MP3), cross-built from Debian's own source packages with the mingw-w64
# (posix threads) compilers.
#
# Usage: scripts/windows/sdk.sh        prints the SDK folder as its last line
#        scripts/windows/sdk.sh --sdl-only FOLDER
#                                      builds only SDL2 and SDL2_mixer, as the
#                                      SDK has them, into FOLDER (which must not
#                                      exist yet), to check a change of their
#                                      recipe against a complete SDK without
#                                      building Qt again
#
# The versions are those of the build machine's Qt tools and SDL packages, so
# the host's moc, rcc and uic match the Qt that is built. The SDK goes in a
# folder named by them below ~/.cache/quellan/ (or QUELLAN_CACHE_HOME;
# QUELLAN_WIN_SDK names the folder itself)
# and is reused while its marker file, written last, says it is complete and
# built by this recipe. Sources come through apt with a state folder and a
# sources list of their own (scripts/debian_sources.sh); the system's apt
# setup is neither read for them nor changed. SDL2's and SDL2_mixer's
# switches and source changes are in scripts/recipes/ (windows), beside
# those of the Linux build's sound libraries.
set -euo pipefail
# The whole script is one function, read before it runs: editing this file
# while a build runs does not disturb that build.
main() {
cd "$(dirname "$0")/../.."
repo=$PWD

# Bump when the way the SDK is built changes, so that old SDKs are rebuilt.
recipe=1
triple=x86_64-w64-mingw32
jobs=${QUELLAN_WIN_SDK_JOBS:-$(nproc)}

deb_version() { dpkg-query -W -f='${Version}' "$1"; }
# 6.4.2+dfsg-10 -> 6.4.2
upstream() {
  local v=${1#*:}
  v=${v%-*}
  echo "${v%%+*}"
}
qt_deb=$(deb_version qt6-base-dev-tools)
sdl_deb=$(deb_version libsdl2-dev)
mixer_deb=$(deb_version libsdl2-mixer-dev)
name=win64-sdk-qt$(upstream "$qt_deb")-sdl$(upstream "$sdl_deb")-mixer$(upstream "$mixer_deb")
sdl_only=
if [ "${1:-}" = --sdl-only ]; then
  [ $# -eq 2 ] || { echo "usage: $0 [--sdl-only FOLDER]" >&2; exit 2; }
  [ ! -e "$2" ] || { echo "sdk: $2 exists; --sdl-only builds into a new folder" >&2; exit 2; }
  sdl_only=1
  sdk=$(realpath -m "$2")
else
  sdk=${QUELLAN_WIN_SDK:-${QUELLAN_CACHE_HOME:-$HOME/.cache/quellan}/$name}
  marker=$sdk/quellan-sdk-complete
  if [ -f "$marker" ] && [ "$(cat "$marker")" = "recipe $recipe" ]; then
    echo "$sdk"
    exit 0
  fi
fi

now() { date +%s; }
t_start=$(now)
log() { echo "sdk: $* ($(($(now) - t_start)) s)" >&2; }

work=$sdk.work
rm -rf "$sdk"
mkdir -p "$sdk" "$work"

# --- Sources --------------------------------------------------------------
src=$work/src
local packages=() sources
[ -n "$sdl_only" ] || packages+=("qt6-base=$qt_deb")
packages+=("libsdl2=$sdl_deb" "libsdl2-mixer=$mixer_deb")
mapfile -t sources < <(bash "$repo/scripts/debian_sources.sh" "$src" "${packages[@]}")
for d in "${sources[@]}"; do
  [ -d "$d" ] || { echo "sdk: unpacked sources missing in $src" >&2; ls "$src" >&2; exit 1; }
done
[ ${#sources[@]} -eq ${#packages[@]} ] || { echo "sdk: sources not fetched" >&2; exit 1; }
[ -n "$sdl_only" ] || { qt_src=${sources[0]}; sources=("${sources[@]:1}"); }
sdl_src=${sources[0]}
mixer_src=${sources[1]}

cross=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$sdk"
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" -DQUELLAN_WIN_SDK="$sdk"
)
build() {  # build NAME SOURCE CMAKE-ARGS...
  local name=$1 source=$2
  shift 2
  log "building $name"
  bash "$repo/scripts/cmake_project.sh" "$source" "$work/build-$name" "$jobs" "${cross[@]}" "$@"
  log "$name done"
}
# The libraries whose switches and source changes are in scripts/recipes/.
build_recipe() {  # build_recipe LIBRARY SOURCE
  local library=$1 source=$2
  log "building $library"
  bash "$repo/scripts/recipes/build.sh" windows "$library" "$source" "$work/build-$library" \
    "$jobs" "${cross[@]}"
  log "$library done"
}

# --- Qt ---------------------------------------------------------------------
# Only what the game (Core, Gui, Widgets, Concurrent) and its tests (Test)
# use. Debian's source leaves out the tablet header (wintab.h), and without
# OpenGL the Windows plugin must not compile its dynamic-GL code. The
# DirectWrite 3 font database is left out: with mingw-w64 here the Windows
# plugin was left with an unresolved reference to its constructor, and the
# GDI font database serves the game's faces. The host's tools of the same
# version run during the build.
if [ -z "$sdl_only" ]; then
  local host_qt_cmake
  host_qt_cmake=$(dirname "$(ls -d /usr/lib/*/cmake/Qt6CoreTools | head -1)")
  build qtbase "$qt_src" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF \
    -DFEATURE_icu=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
fi

# --- SDL2 and SDL2_mixer ----------------------------------------------------
build_recipe sdl2 "$sdl_src"
build_recipe sdl2_mixer "$mixer_src"
if [ -n "$sdl_only" ]; then
  rm -rf "$work"
  log "SDL2 and SDL2_mixer complete in $sdk"
  echo "$sdk"
  return
fi

# Qt's own Chinese texts for its dialogs and buttons, from the host's
# translation package (the same file serves every platform).
mkdir -p "$sdk/translations"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$sdk/translations/"

rm -rf "$work"
echo "recipe $recipe" >"$marker"
log "SDK complete in $sdk"
echo "$sdk"
}
main "$@"; exit
