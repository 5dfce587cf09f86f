#!/usr/bin/env bash
# Builds the Debian package of the game: dist/quellan_VERSION_amd64.deb.
#
# Usage: scripts/package_deb.sh [BUILD_DIR]
# BUILD_DIR (default build) is configured like the test command does when
# it is not yet, and only the programs and their data are built. The install
# goes to a staging folder: the programs in /usr/games (Debian's place for
# games; the game finds its data as ../share/quellan from there as from
# bin/), the data, menu entry, icons, software-centre data and manual pages
# under /usr/share. The programs are stripped; the dependencies come from
# dpkg-shlibdeps. Prints the package's path as its last line.
set -euo pipefail
main() {
  cd "$(dirname "$0")/.."
  local build=${1:-build}
  bash scripts/deps.sh build >&2
  if [ ! -f "$build/CMakeCache.txt" ]; then
    local audio
    audio=$(bash scripts/audio_libs.sh --or-system | tail -1)
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLAN_AUDIO_PREFIX="$audio" >&2
  fi
  cmake --build "$build" -j"${QUELLAN_JOBS:-$(nproc)}" --target quellan quellan-solve \
    quellan_map_assets quellan_help >&2

  local version
  version=$(sed -n 's/^project(Quellan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  same_version "$version"

  local work stage deb
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  stage=$work/quellan
  DESTDIR=$stage cmake --install "$build" --prefix /usr >&2
  mv "$stage/usr/bin" "$stage/usr/games"
  strip --strip-unneeded --remove-section=.comment --remove-section=.note \
    "$stage"/usr/games/*
  local doc=$stage/usr/share/doc/quellan
  mkdir -p "$doc"
  cp packaging/debian/copyright "$doc/copyright"
  gzip -9n <packaging/debian/changelog >"$doc/changelog.gz"
  gzip -9n "$stage"/usr/share/man/man6/*.6
  # Files as root owns them in a package: no write bit for others, none
  # for the group either.
  find "$stage" -type d -exec chmod 0755 {} +
  find "$stage" -type f -exec chmod 0644 {} +
  chmod 0755 "$stage"/usr/games/*

  # dpkg-shlibdeps reads the package names from a debian/control of its own.
  mkdir -p "$work/src/debian" "$stage/DEBIAN"
  printf 'Source: quellan\n\nPackage: quellan\nArchitecture: amd64\n' >"$work/src/debian/control"
  local depends
  depends=$(cd "$work/src" && dpkg-shlibdeps -O -e"$stage/usr/games/quellan" \
    -e"$stage/usr/games/quellan-solve" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
  [ -n "$depends" ] || { echo "package_deb: dpkg-shlibdeps found no dependencies" >&2; exit 1; }
  (cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
  chmod 0644 "$stage/DEBIAN/md5sums"
  sed -e "s/@VERSION@/$version/" -e "s/@DEPENDS@/$depends/" \
    -e "s/@SIZE@/$(du -sk --exclude=DEBIAN "$stage" | cut -f1)/" \
    packaging/debian/control.in >"$stage/DEBIAN/control"

  mkdir -p dist
  deb=dist/quellan_${version}_amd64.deb
  dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >&2
  echo "package: $(du -h "$deb" | cut -f1) in $deb, $(du -sh --exclude=DEBIAN "$stage" | cut -f1) installed" >&2
  echo "$deb"
}

# The Debian changelog's newest entry and the software-centre data's newest
# release must name the version the build gives the game.
same_version() {
  local changelog release
  changelog=$(sed -n '1s/^quellan (\([^)]*\)).*/\1/p' packaging/debian/changelog)
  release=$(grep -m1 -o '<release version="[^"]*"' \
    packaging/linux/io.github.quellan.Quellan.metainfo.xml | cut -d'"' -f2)
  if [ "$changelog" != "$1" ] || [ "$release" != "$1" ]; then
    echo "package_deb: the game is $1, packaging/debian/changelog says $changelog and" \
      "the metainfo's newest release $release" >&2
    exit 1
  fi
}

main "$@"; exit
