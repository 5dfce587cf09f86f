#!/usr/bin/env bash
# Builds the game for 64-bit Windows and packs the folder a player unpacks:
# dist/quellan-VERSION-win64/, its zip dist/quellan-VERSION-win64.zip (the
# portable copy) and the setup program dist/quellan-VERSION-win64-setup.exe.
#
# Usage: scripts/windows/package.sh [BUILD_DIR]
# BUILD_DIR is the cross build (default build-win); it is configured here
# when needed. The SDK of Qt and SDL is built first when it is missing (see
# scripts/windows/sdk.sh). QUELLAN_WIN_BUILD_TYPE sets the build type
# (default Release), QUELLAN_DIST_DIR the folder of the package (default
# dist). Prints the zip's path as its last line.
set -euo pipefail
main() {
  cd "$(dirname "$0")/../.."
  local build=${1:-build-win}
  local triple=x86_64-w64-mingw32
  bash scripts/deps.sh test >&2
  local sdk
  sdk=$(bash scripts/windows/sdk.sh | tail -1)

  bash scripts/windows/configure.sh "$build" "$sdk" "${QUELLAN_WIN_BUILD_TYPE:-Release}"
  local targets=(quellan)
  if grep -q '^quellan-solve ' "$build/programs.txt"; then targets+=(quellan-solve); fi
  cmake --build "$build" -j"${QUELLAN_JOBS:-2}" --target "${targets[@]}" quellan_map_assets \
    quellan_sound_assets quellan_help

  local version name dist game
  version=$(cat "$build/version.txt")
  name=quellan-$version-win64
  mkdir -p "${QUELLAN_DIST_DIR:-dist}"
  dist=$(realpath "${QUELLAN_DIST_DIR:-dist}")/$name
  game=$(dirname "$(program_path "$build" quellan)")
  rm -rf "$dist" "$dist.zip"
  mkdir -p "$dist/platforms" "$dist/styles" "$dist/translations"

  # The programs, the layouts, sounds and help of the game folder, and the
  # pictures for scaled displays.
  local target
  for target in "${targets[@]}"; do cp "$(program_path "$build" "$target")" "$dist/"; done
  cp -r "$game/map" "$game/sound" "$game/help.chm" "$game/pictures@2x.rcc" "$dist/"
  # Qt and SDL, with the platform plugin and the native look, and Qt's own
  # Chinese texts; qt.conf tells Qt where they are.
  cp "$sdk"/bin/{Qt6Core,Qt6Gui,Qt6Widgets,SDL2,SDL2_mixer}.dll "$dist/"
  cp "$sdk/plugins/platforms/qwindows.dll" "$dist/platforms/"
  cp "$sdk"/plugins/styles/*.dll "$dist/styles/"
  cp "$sdk/translations/qtbase_zh_CN.qm" "$dist/translations/"
  cp scripts/windows/qt.conf "$dist/"
  find "$dist" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +

  # Every name in the zip is flagged as UTF-8, or Windows unpacks the
  # layouts' Chinese names garbled.
  python3 scripts/windows/zip_folder.py "$dist.zip" "$dist"
  setup_program "$dist" "$version" "$dist-setup.exe"
  echo "package: $(du -sh "$dist" | cut -f1) in $dist, zip $(du -h "$dist.zip" | cut -f1)," \
    "setup program $(du -h "$dist-setup.exe" | cut -f1)" >&2
  echo "$dist.zip"
}

# Makes the setup program of the game folder DIST with makensis
# (scripts/windows/installer.nsi): the game's icon, and the list of what the
# uninstaller takes away, which is what the folder holds.
setup_program() {
  local dist=$1 version=$2 out=$3
  local work
  work=$(mktemp -d)
  python3 cmake/windows/make_icon.py "$work/quellan.ico" assets/pictures/icon16.png \
    assets/pictures/icon.png
  {
    (cd "$dist" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|\$|$$|g' |
      sed 's|.*|  Delete "$INSTDIR\\&"|'
    # Deepest first, so that a folder is emptied before it is removed.
    (cd "$dist" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|\$|$$|g' |
      sed 's|.*|  RMDir "$INSTDIR\\&"|'
  } >"$work/uninstall.nsh"
  rm -f "$out"
  # makensis reads the layouts' Chinese names only in a UTF-8 locale (in
  # the C locale it crashes on them); C.UTF-8 is always there.
  LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DGAME_DIR="$dist" \
    -DICON="$work/quellan.ico" -DSIZE_KB="$(du -sk "$dist" | cut -f1)" \
    -DUNINSTALL_LIST="$work/uninstall.nsh" -DOUT_FILE="$out" scripts/windows/installer.nsi >&2
  rm -rf "$work"
  [ -s "$out" ] || { echo "package: makensis wrote no $out" >&2; return 1; }
}

# The path of a program the cross build made (programs.txt: "name path").
program_path() {
  sed -n "s/^$2 //p" "$1/programs.txt"
}

main "$@"; exit
