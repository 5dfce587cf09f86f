#!/usr/bin/env bash
# Fetches and unpacks Debian source packages at exact versions, for the
# libraries the game builds itself (scripts/audio_libs.sh,
# scripts/windows/sdk.sh).
#
# Usage: scripts/debian_sources.sh FOLDER PACKAGE=VERSION...
#
# The sources are unpacked in FOLDER, which is reused while its marker file
# names the same packages. The last lines printed are the unpacked source
# folders, one a package, in the order asked for. apt runs with a state
# folder and a sources list of its own (inside FOLDER): the system's apt
# setup is neither read nor changed. QUELLAN_DEBIAN_MIRROR and
# QUELLAN_DEBIAN_SECURITY name other mirrors.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 FOLDER PACKAGE=VERSION..." >&2; exit 2; }
src=$1
shift

# libsdl2=2.26.5+dfsg-1 -> libsdl2-2.26.5+dfsg, the folder dpkg-source unpacks
# it in (no epoch, no Debian revision).
unpacked() {
  local name=${1%%=*} version=${1#*=}
  version=${version#*:}
  echo "$src/$name-${version%-*}"
}

marker=$src/fetched
if [ ! -f "$marker" ] || [ "$(cat "$marker")" != "$*" ]; then
  echo "sources: fetching $*" >&2
  rm -rf "$src"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=${QUELLAN_DEBIAN_MIRROR:-http://deb.debian.org/debian}
  security=${QUELLAN_DEBIAN_SECURITY:-http://deb.debian.org/debian-security}
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  apt_dir=$src/.apt
  mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
  cat >"$apt_dir/sources.list" <<EOF
deb-src [signed-by=$keyring] $mirror $codename main
deb-src [signed-by=$keyring] $mirror $codename-updates main
deb-src [signed-by=$keyring] $security $codename-security main
EOF
  apt_opts=(
    -o "Dir::State=$apt_dir/state" -o "Dir::Cache=$apt_dir/cache"
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=$(id -un)"
    -o "Acquire::Languages=none" -qq
  )
  (cd "$src" && apt-get "${apt_opts[@]}" update >fetch.log 2>&1 &&
    apt-get "${apt_opts[@]}" source "$@" >>fetch.log 2>&1) ||
    { echo "sources: fetching failed (no network?), see $src/fetch.log" >&2; exit 1; }
  for package in "$@"; do
    [ -d "$(unpacked "$package")" ] ||
      { echo "sources: $(unpacked "$package") missing after the fetch" >&2; exit 1; }
  done
  echo "$*" >"$marker"
fi
for package in "$@"; do unpacked "$package"; done
