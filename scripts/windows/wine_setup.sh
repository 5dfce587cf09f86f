#!/usr/bin/env bash
# Installs, plays, reinstalls and uninstalls the setup program under Wine in
# a fresh prefix, silently, as a player's machine would see it, and checks
# the results, since NSIS ends with exit code 0 even when some steps failed:
# the files of the game folder, the Start-menu and desktop shortcuts and the
# Apps & Features entry are there; the installed game plays (wine_play.sh),
# and while it runs neither the setup program nor the uninstaller goes on;
# a second install keeps a record planted in log\ and a layout saved in
# map\; the uninstaller takes away the files, shortcuts and entry and leaves
# those two.
#
# Usage: scripts/windows/wine_setup.sh SETUP.exe GAME_FOLDER [SCREENSHOT.png]
# GAME_FOLDER is the package folder the setup program was made from
# (dist/quellan-VERSION-win64), the version is read from its name.
set -euo pipefail

readonly UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellan'
readonly SHORTCUT='Quellan 华容道.lnk'
# The exit codes of both programs when the game runs, and of the setup
# program when it could not write every file.
readonly GAME_RUNS=2
readonly NOT_INSTALLED=3

main() {
  cd "$(dirname "$0")/../.."
  if [ "${1:-}" = --while-game-runs ]; then
    refused_while_game_runs "$2" "$3"
    return
  fi
  local setup game shot=${3:-}
  setup=$(realpath "$1")
  game=$(realpath "$2")
  local version
  version=$(basename "$game" | sed -n 's/^quellan-\(.*\)-win64$/\1/p')
  [ -n "$version" ] || fail "$game is not a game folder quellan-VERSION-win64"

  # The version stands in the file properties (as UTF-16 text). (No grep -q
  # in a pipe: its early end could fail the pipe.)
  strings -a -el "$setup" | grep -A1 -x FileVersion | grep -cxF "$version" >/dev/null ||
    fail "the file properties of $setup do not name the version $version"

  source scripts/windows/wine_prefix.sh
  trap wine_prefix_cleanup EXIT
  # Wine links the profile's Desktop to the host's; here it is a folder of
  # the throw-away home.
  export HOME=$WINE_SCRATCH/home XDG_CONFIG_HOME=$WINE_SCRATCH/home/.config
  mkdir -p "$HOME"
  wine_prefix_boot

  # --- A silent install --------------------------------------------------
  local t0=$SECONDS rc=0
  DISPLAY='' "$WINE" "$(wine_path "$setup")" /S || rc=$?
  [ "$rc" -eq 0 ] || fail "the silent install ended with exit code $rc"
  timeout 300 "$WINESERVER" -w || fail "the installer did not end within 300 s"
  echo "setup: silent install in $((SECONDS - t0)) s"
  local appdata localappdata profile
  appdata=$(windows_folder APPDATA)
  localappdata=$(windows_folder LOCALAPPDATA)
  profile=$(windows_folder USERPROFILE)
  win_dir="$localappdata\\Programs\\Quellan"
  dir=$(unix_path "$win_dir")
  shortcuts=("$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs")/$SHORTCUT"
    "$(unix_path "$profile\\Desktop")/$SHORTCUT")
  installed "$game"
  registered "$version" "$game"
  echo "setup: $(find "$game" -type f | wc -l) files, the Start-menu and desktop shortcuts and" \
    "the Apps & Features entry are there ($win_dir)"

  # --- The installed game ------------------------------------------------
  wine_prefix_share
  bash scripts/windows/wine_play.sh --version "$version" \
    --while-running "bash scripts/windows/wine_setup.sh --while-game-runs '$setup' '$dir'" \
    "$dir" "$shot"

  # --- A second install over the first -----------------------------------
  # A record and a layout of the player's own (any bytes do: they must come
  # through untouched).
  mkdir -p "$dir/log"
  printf 'planted record\r\n' >"$dir/log/横刀立马.log"
  cp "$game/map/横刀立马.qlp" "$dir/map/自己的阵.qlp"
  echo "auto-saved" >>"$dir/map/自己的阵.qlp"
  local player_files=("$dir/log/横刀立马.log" "$dir/map/自己的阵.qlp") kept=$WINE_SCRATCH/kept
  mkdir -p "$kept" && cp "${player_files[@]}" "$kept/"
  # This time the folder is named, as a script would (/D= comes last and
  # takes no quotes).
  rc=0
  DISPLAY='' "$WINE" "$(wine_path "$setup")" /S "/D=$win_dir" || rc=$?
  [ "$rc" -eq 0 ] || fail "the second silent install ended with exit code $rc"
  installed "$game"
  registered "$version" "$game"
  player_files_kept "$kept" "${player_files[@]}"
  echo "setup: a second install replaced the game and kept the planted record and layout"

  # --- A silent uninstall ------------------------------------------------
  # The uninstaller runs a copy of itself from the temporary folder and ends
  # at once; the prefix's server ends when that copy has.
  t0=$SECONDS
  DISPLAY='' "$WINE" "$(wine_path "$dir/uninstall.exe")" /S || rc=$?
  [ "$rc" -eq 0 ] || fail "the silent uninstall ended with exit code $rc"
  timeout 300 "$WINESERVER" -w || fail "the uninstaller did not end within 300 s"
  removed "$game"
  player_files_kept "$kept" "${player_files[@]}"
  echo "setup: silent uninstall in $((SECONDS - t0)) s: the game, shortcuts and entry are gone;" \
    "$(cd "$dir" && find . -type f | sed 's|^\./||' | paste -sd' ') stay"

  # --- A folder it cannot fill -------------------------------------------
  # A folder where quellan.exe should go stands in for a file that cannot be
  # written; in a silent run NSIS passes over it.
  local blocked='C:\quellan-blocked'
  mkdir -p "$(unix_path "$blocked")/quellan.exe"
  rc=0
  DISPLAY='' "$WINE" "$(wine_path "$setup")" /S "/D=$blocked" || rc=$?
  [ "$rc" -eq "$NOT_INSTALLED" ] ||
    fail "a setup that could not write quellan.exe ended with exit code $rc"
  echo "setup: a setup that cannot write a file ends with exit code $NOT_INSTALLED"
}

fail() {
  echo "setup: FAILED: $*" >&2
  exit 1
}

# A folder of the user's profile, by the name of its environment variable.
# Asked up to three times: a Wine program that cannot be started prints its
# error on the output instead.
windows_folder() {
  local value _
  for _ in 1 2 3; do
    value=$(DISPLAY='' "$WINE" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
    [[ $value == [A-Z]:\\* ]] && break
    sleep 1
  done
  [[ $value == [A-Z]:\\* ]] || fail "%$1% is \"$value\""
  echo "$value"
}
# The Unix form of a path on the prefix's drive C:, worked out here rather
# than by winepath: a Wine program started while the installer's last
# processes end may fail and print its error where the path should be.
unix_path() {
  [[ $1 == [Cc]:\\* ]] || fail "\"$1\" is not on drive C:"
  local rest=${1:3}
  echo "$WINEPREFIX/drive_c/${rest//\\//}"
}

# Every file of the game folder is in the installed one, as it is; the
# uninstaller and the shortcuts are there.
installed() {
  local f
  while IFS= read -r -d '' f; do
    cmp -s "$1/$f" "$dir/$f" || fail "$win_dir\\$f is missing or not the packaged file"
  done < <(cd "$1" && find . -type f -printf '%P\0')
  [ -f "$dir/uninstall.exe" ] || fail "there is no uninstall.exe"
  for f in "${shortcuts[@]}"; do
    [ -f "$f" ] || fail "there is no shortcut $f"
    { strings -a -el "$f" && strings -a "$f"; } | grep -ciF 'quellan.exe' >/dev/null ||
      fail "the shortcut $f does not start quellan.exe"
  done
}

# The values of the Apps & Features entry.
registered() {
  local version=$1 game=$2 export=$WINE_SCRATCH/uninstall.reg
  rm -f "$export"
  "$WINE" reg export "$UNINSTALL_KEY" "$(wine_path "$export")" /y >/dev/null 2>&1 ||
    fail "there is no $UNINSTALL_KEY"
  local values
  # "Name"="text" or "Name"=dword:hex, with the text's \\ and \" undone.
  values=$(iconv -f UTF-16 -t UTF-8 "$export" | tr -d '\r' |
    sed -n 's/^"\([^"]*\)"="\(.*\)"$/\1=\2/p; s/^"\([^"]*\)"=\(dword:.*\)$/\1=\2/p' |
    sed 's/\\\\/\\/g; s/\\"/"/g')
  local want
  for want in "DisplayName=Quellan 华容道" "DisplayVersion=$version" \
    "DisplayIcon=$win_dir\\quellan.exe,0" "InstallLocation=$win_dir" \
    "UninstallString=\"$win_dir\\uninstall.exe\"" \
    "QuietUninstallString=\"$win_dir\\uninstall.exe\" /S"; do
    grep -qxF "$want" <<<"$values" ||
      fail "${want%%=*} is not ${want#*=} but: $(grep "^${want%%=*}=" <<<"$values")"
  done
  grep -q '^Publisher=.' <<<"$values" || fail "the entry names no Publisher"
  # The size in KiB, within a tenth of the game folder's.
  local size
  size=$(sed -n 's/^EstimatedSize=dword://p' <<<"$values")
  [ -n "$size" ] || fail "the entry has no EstimatedSize"
  size=$((16#$size))
  local real
  real=$(du -sk "$game" | cut -f1)
  [ $((size * 10)) -ge $((real * 9)) ] && [ $((size * 10)) -le $((real * 11)) ] ||
    fail "EstimatedSize is $size KiB, the game folder $real KiB"
}

# Nothing the setup program put there is left: the files, the uninstaller,
# the shortcuts, the entry.
removed() {
  local f
  while IFS= read -r -d '' f; do
    [ ! -e "$dir/$f" ] || fail "the uninstaller left $win_dir\\$f"
  done < <(cd "$1" && find . -type f -printf '%P\0')
  [ ! -e "$dir/uninstall.exe" ] || fail "the uninstaller left itself"
  for f in "${shortcuts[@]}"; do [ ! -e "$f" ] || fail "the uninstaller left the shortcut $f"; done
  ! "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || fail "the uninstaller left $UNINSTALL_KEY"
}

# The player's files are there with the bytes they had.
player_files_kept() {
  local kept=$1 f
  shift
  for f in "$@"; do
    cmp -s "$kept/$(basename "$f")" "$f" || fail "the player's file $f was not kept as it was"
  done
}

# Called by wine_play.sh while the installed game runs, in its prefix: the
# setup program and the uninstaller (run in place, so that its exit code is
# its own) both stop with GAME_RUNS and change nothing.
refused_while_game_runs() {
  local setup=$1 dir=$2
  source scripts/windows/wine_prefix.sh
  local before rc=0
  before=$(stat -c %Y "$dir/quellan.exe")
  "$WINE" "$(wine_path "$setup")" /S || rc=$?
  [ "$rc" -eq "$GAME_RUNS" ] || fail "the setup program over the running game ended with exit code $rc"
  rc=0
  "$WINE" "$(wine_path "$dir/uninstall.exe")" /S "_?=$(wine_path "$dir")" || rc=$?
  [ "$rc" -eq "$GAME_RUNS" ] || fail "the uninstaller of the running game ended with exit code $rc"
  [ "$(stat -c %Y "$dir/quellan.exe")" = "$before" ] && [ -f "$dir/uninstall.exe" ] ||
    fail "the game's files changed while it ran"
  "$WINE" reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || fail "the entry went while the game ran"
  echo "setup: while the game runs, the setup program and the uninstaller stop (exit code $GAME_RUNS)"
}

main "$@"; exit
