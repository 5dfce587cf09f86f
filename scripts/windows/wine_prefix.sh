# Sourced by the Windows scripts: a fresh Wine prefix of our own, thrown away
# on exit, so that nothing of the user's Wine setup is read or changed.
# Wine's server keeps its socket below TMPDIR, so that goes in the same
# throw-away folder. Mono and Gecko are not wanted, so wineboot does not try
# to install them. Sets WINE, WINESERVER and WINE_SCRATCH.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
WINE_TMPDIR_BEFORE=${TMPDIR:-/tmp}
WINE_SCRATCH=$(mktemp -d "$WINE_TMPDIR_BEFORE/quellan-wine.XXXXXX")
mkdir -p "$WINE_SCRATCH/tmp"
export WINEPREFIX="$WINE_SCRATCH/prefix" TMPDIR="$WINE_SCRATCH/tmp" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

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

# The Windows form of a Unix path (drive Z: is the Unix root).
wine_path() {
  local p
  p=$(realpath -m "$1")
  echo "Z:${p//\//\\}"
}
