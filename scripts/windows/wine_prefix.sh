# Sourced by the Windows scripts: a fresh Wine prefix of our own, thrown away
# on exit, so that nothing of the user's Wine setup is read or changed.
# Wine's server keeps its socket below TMPDIR, so that goes in the same
# throw-away folder. Mono and Gecko are not wanted, so wineboot does not try
# to install them; nor is winemenubuilder, which would copy the shortcuts a
# Windows program makes into the host's own menus. Sets WINE, WINESERVER and
# WINE_SCRATCH.
#
# A script that another one runs in the prefix that one made (after
# wine_prefix_share) uses that prefix as it is and leaves it in place.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# The Windows form of a Unix path (drive Z: is the Unix root).
wine_path() {
  local p
  p=$(realpath -m "$1")
  echo "Z:${p//\//\\}"
}

if [ -n "${WINE_SHARED_SCRATCH:-}" ]; then
  WINE_SCRATCH=$WINE_SHARED_SCRATCH
  WINE_TMPDIR_BEFORE=$WINE_SHARED_TMPDIR_BEFORE
  wine_prefix_boot() { :; }
  wine_prefix_cleanup() { WINE_SCRATCH=; }
  return 0
fi
WINE_TMPDIR_BEFORE=${TMPDIR:-/tmp}
WINE_SCRATCH=$(mktemp -d "$WINE_TMPDIR_BEFORE/quellan-wine.XXXXXX")
mkdir -p "$WINE_SCRATCH/tmp"
export WINEPREFIX="$WINE_SCRATCH/prefix" TMPDIR="$WINE_SCRATCH/tmp" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Once only: the prefix's server ends and the folder goes.
wine_prefix_cleanup() {
  [ -n "$WINE_SCRATCH" ] || return 0
  "$WINESERVER" -k 2>/dev/null || true
  rm -rf "$WINE_SCRATCH"
  WINE_SCRATCH=
  export TMPDIR=$WINE_TMPDIR_BEFORE
  unset WINEPREFIX
}

# Creates the prefix; prints how long that took.
wine_prefix_boot() {
  local t0=$SECONDS
  DISPLAY='' "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  echo "windows: wineboot of a fresh prefix took $((SECONDS - t0)) s"
}

# Lets the scripts this one runs from now on use its prefix.
wine_prefix_share() {
  export WINE_SHARED_SCRATCH=$WINE_SCRATCH WINE_SHARED_TMPDIR_BEFORE=$WINE_TMPDIR_BEFORE
}
