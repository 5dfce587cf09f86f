#!/usr/bin/env bash
# Builds the Windows SDK the game links against: Qt's base (Core, Gui,
# Widgets, the Windows platform plugin and styles), SDL2 and SDL2_mixer (WAV
# and MP3), cross-built from Debian's own source packages with the mingw-w64
# (posix threads) compilers.
#
# Usage: scripts/windows/sdk.sh        prints the SDK folder as its last line
#
# The versions are those of the build machine's Qt tools and SDL packages, so
# the host's moc, rcc and uic match the Qt that is built. The SDK goes in a
# folder named by them below ~/.cache/quellan/ (or QUELLAN_CACHE_HOME;
# QUELLAN_WIN_SDK names the folder itself)
# and is reused while its marker file, written last, says it is complete and
# built by this recipe. Sources come through apt with a state folder and a
# sources list of their own (scripts/debian_sources.sh); the system's apt
# setup is neither read for them nor changed.
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
sdk=${QUELLAN_WIN_SDK:-${QUELLAN_CACHE_HOME:-$HOME/.cache/quellan}/$name}
marker=$sdk/quellan-sdk-complete
if [ -f "$marker" ] && [ "$(cat "$marker")" = "recipe $recipe" ]; then
  echo "$sdk"
  exit 0
fi

now() { date +%s; }
t_start=$(now)
log() { echo "sdk: $* ($(($(now) - t_start)) s)" >&2; }

work=$sdk.work
rm -rf "$sdk"
mkdir -p "$sdk" "$work"

# --- Sources --------------------------------------------------------------
src=$work/src
local sources
mapfile -t sources < <(bash "$repo/scripts/debian_sources.sh" "$src" \
  "qt6-base=$qt_deb" "libsdl2=$sdl_deb" "libsdl2-mixer=$mixer_deb")
qt_src=${sources[0]:-}
sdl_src=${sources[1]:-}
mixer_src=${sources[2]:-}
for d in "$qt_src" "$sdl_src" "$mixer_src"; do
  [ -d "$d" ] || { echo "sdk: unpacked sources missing in $src" >&2; ls "$src" >&2; exit 1; }
done

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

# --- Qt ---------------------------------------------------------------------
# Only what the game (Core, Gui, Widgets, Concurrent) and its tests (Test)
# use. Debian's source leaves out the tablet header (wintab.h), and without
# OpenGL the Windows plugin must not compile its dynamic-GL code. The
# DirectWrite 3 font database is left out: with mingw-w64 here the Windows
# plugin was left with an unresolved reference to its constructor, and the
# GDI font database serves the game's faces. The host's tools of the same
# version run during the build.
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

# --- SDL2 and SDL2_mixer ----------------------------------------------------
# The game has its own entry point, so no SDL2main; whether a program is a
# windowed one is the program's choice, not SDL's (-mwindows).
build sdl2 "$sdl_src" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON
sed -i 's/ -mwindows//' "$sdk/lib/pkgconfig/sdl2.pc"
build sdl2_mixer "$mixer_src" -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF

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
