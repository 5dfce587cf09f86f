#!/usr/bin/env bash
# Plays the packaged Windows game under Wine on an X display of its own, as a
# player does on first start: the window comes up with its title and size, a
# soldier is pressed and then the empty cell below it, a second copy ends at
# once, and the close button answered with Yes leaves the settings in the
# registry. Every wait has a time limit; nothing assumes a fast machine.
#
# Usage: scripts/windows/wine_play.sh [--version VERSION] [--while-running
#        COMMAND] [--dpi DPI] GAME_FOLDER [SCREENSHOT.png]
# GAME_FOLDER is the unpacked package (dist/quellan-VERSION-win64), or with
# --version (which the title shows) any folder the game is in, an installed
# one say. COMMAND is run by bash while the game's window is up; the play
# fails when it fails. The prefix is a fresh one, or that of the script that
# runs this one (see wine_prefix.sh). With --dpi the display is set to DPI
# dots an inch (Windows' own scale: 144 is 150 %) before the game starts;
# the window, its cells and the presses then grow by DPI / 96.
set -euo pipefail

# Where things are on the first layout, 横刀立马, in window pixels: the frame's
# close button, the middles of a soldier on the fourth row, second column,
# and of the empty cell below it (the board starts at 34, 57; a cell is 60
# pixels at 100 %).
CLOSE_BUTTON=(451 12)
SOLDIER_CELL=(124 267)
EMPTY_CELL=(124 327)
CELL=60
WINDOW_SIZE=464x411

# at_scale DPI: every place and size above in the display's own pixels.
at_scale() {
  scaled() { awk -v v="$1" -v d="$dpi" 'BEGIN { printf "%d", v * d / 96 + 0.5 }'; }
  CLOSE_BUTTON=("$(scaled 451)" "$(scaled 12)")
  SOLDIER_CELL=("$(scaled 124)" "$(scaled 267)")
  EMPTY_CELL=("$(scaled 124)" "$(scaled 327)")
  CELL=$(scaled 60)
  WINDOW_SIZE=$(scaled 464)x$(scaled 411)
}

main() {
  cd "$(dirname "$0")/../.."
  local version="" while_running=""
  dpi=96
  while [[ ${1:-} == --* ]]; do
    case $1 in
      --version) version=$2 ;;
      --while-running) while_running=$2 ;;
      --dpi) dpi=$2 ;;
      *) fail "unknown option $1" ;;
    esac
    shift 2
  done
  local game
  game=$(realpath "$1")
  local shot=${2:-}
  [ -n "$version" ] || version=$(basename "$game" | sed -n 's/^quellan-\(.*\)-win64$/\1/p')
  [ -n "$version" ] || fail "$game is not a game folder quellan-VERSION-win64"
  local title="Quellan $version"

  source scripts/windows/wine_prefix.sh
  work=$WINE_SCRATCH/play
  mkdir -p "$work"
  pids=()
  origin=(0 0)
  trap cleanup EXIT
  wine_prefix_boot
  if [ "$dpi" != 96 ]; then
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
      >/dev/null 2>&1 || fail "cannot set the display to $dpi DPI"
    at_scale
    echo "wine: the display set to $dpi DPI"
  fi
  start_display

  # --- The window --------------------------------------------------------
  local t0=$SECONDS
  (cd "$game" && exec "$WINE" quellan.exe >"$work/game.log" 2>&1) &
  game_pid=$!
  pids+=("$game_pid")
  wait_for 300 "the window \"$title\"" window_shown "$title"
  local wid
  wid=$(windows_named "$title" | head -1)
  echo "wine: the window came up in $((SECONDS - t0)) s"
  local count
  count=$(windows_named "$title" | wc -l)
  [ "$count" -eq 1 ] || fail "$count windows titled \"$title\""
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  local size="${WIDTH}x${HEIGHT}"
  [ "$size" = "$WINDOW_SIZE" ] || fail "the window is $size pixels, not $WINDOW_SIZE"
  echo "wine: one window \"$title\" of $size at $X,$Y"
  origin=("$X" "$Y")
  wait_for 120 "the window to be drawn" window_settled

  # --- A move ------------------------------------------------------------
  # The pointer stays off the window while the cells are compared, so that
  # no piece wears its hover look in the pictures.
  xdotool mousemove --sync 0 0
  cell_shot before-soldier "${SOLDIER_CELL[@]}"
  press "${SOLDIER_CELL[@]}"
  press "${EMPTY_CELL[@]}"
  xdotool mousemove --sync 0 0
  wait_for 60 "the soldier in the empty cell" soldier_moved
  echo "wine: the soldier moved down by two presses"
  if [ -n "$shot" ]; then
    mkdir -p "$(dirname "$shot")"
    window_shot "$shot"
    echo "wine: screenshot in $shot"
  fi

  # --- A second copy -----------------------------------------------------
  t0=$SECONDS
  local rc=0
  (cd "$game" && timeout 120 "$WINE" quellan.exe >"$work/second.log" 2>&1) || rc=$?
  [ "$rc" -eq 0 ] || fail "the second copy ended with exit code $rc"
  count=$(windows_named "$title" | wc -l)
  [ "$count" -eq 1 ] || fail "$count windows titled \"$title\" after the second copy"
  echo "wine: a second copy ended at once ($((SECONDS - t0)) s, exit code 0)"
  if [ -n "$while_running" ]; then
    bash -c "$while_running" || fail "while the game ran: $while_running"
    process_alive "$game_pid" || fail "the game ended while $while_running ran"
  fi

  # --- Close and Yes -----------------------------------------------------
  press "${CLOSE_BUTTON[@]}"
  wait_for 60 "the close question" window_shown Quellan
  local question
  question=$(windows_named Quellan | head -1)
  xdotool windowactivate --sync "$question" 2>/dev/null || xdotool windowfocus --sync "$question"
  xdotool key y
  wait_for 60 "the game to end" process_gone "$game_pid"
  echo "wine: the close button and Yes ended the game"
  # reg query prints in the console's code page, which has no Chinese; the
  # exported file is UTF-16.
  local settings
  settings=$("$WINE" reg query 'HKCU\Software\Quellan\Quellan\SetLog' 2>/dev/null | tr -d '\r')
  "$WINE" reg export 'HKCU\Software\Quellan\Quellan' "$(wine_path "$work/settings.reg")" /y \
    >/dev/null 2>&1 || fail "reg export of HKCU\\Software\\Quellan\\Quellan failed"
  iconv -f UTF-16 -t UTF-8 "$work/settings.reg" | tr -d '\r' >"$work/settings.txt"
  sed -n 's/^"\(.*\)"="\(.*\)"$/wine:   \1 = \2/p' "$work/settings.txt"
  local key
  for key in frmMainX frmMainY MapFileName Check1 Check2; do
    echo "$settings" | grep -q "^ *$key " || fail "the setting $key is not in the registry"
  done
  # The window's place in twips (15 a pixel) and the layout played; on a
  # scaled display the place is kept in the game's own (unscaled) pixels,
  # which the screen's pixels give only to within one.
  local want wants=("MapFileName=横刀立马")
  [ "$dpi" != 96 ] || wants+=("frmMainX=$((origin[0] * 15))" "frmMainY=$((origin[1] * 15))")
  for want in "${wants[@]}"; do
    grep -qx "\"${want%%=*}\"=\"${want#*=}\"" "$work/settings.txt" ||
      fail "the setting ${want%%=*} is not ${want#*=}: $(grep "${want%%=*}" "$work/settings.txt")"
  done
  echo "wine: the settings are in HKEY_CURRENT_USER\\Software\\Quellan\\Quellan\\SetLog"
}

fail() {
  echo "wine: FAILED: $*" >&2
  if [ -n "${work:-}" ] && [ -d "$work" ]; then
    window_shot "$work/failure.png" 2>/dev/null || true
    [ -f "$work/game.log" ] && tail -20 "$work/game.log" >&2
    cp "$work/failure.png" "$WINE_TMPDIR_BEFORE/quellan-wine-failure.png" 2>/dev/null &&
      echo "wine: the screen at the failure: $WINE_TMPDIR_BEFORE/quellan-wine-failure.png" >&2
  fi
  exit 1
}

cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wine_prefix_cleanup
}

# Calls CHECK ARGS... every half second until it succeeds or SECONDS pass.
wait_for() {
  local limit=$1 what=$2
  shift 2
  local t0=$SECONDS
  until "$@"; do
    [ $((SECONDS - t0)) -lt "$limit" ] || fail "no $what within $limit s"
    sleep 0.5
  done
}

# An Xvfb display of our own (the server picks a free number), with openbox
# as the window manager where it is installed.
start_display() {
  local fifo=$work/display
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>"$work/xvfb.log" &
  pids+=("$!")
  wait_for 60 "X display" test -s "$fifo"
  export DISPLAY=:$(head -1 "$fifo")
  if command -v openbox >/dev/null; then
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=("$!")
    wait_for 60 "window manager" wm_running
  fi
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
window_shown() {
  process_alive "$game_pid" || fail "the game ended early (log: $(tail -5 "$work/game.log"))"
  [ -n "$(windows_named "$1")" ]
}
process_alive() { kill -0 "$1" 2>/dev/null; }
process_gone() { ! process_alive "$1"; }

window_shot() {
  import -window root -crop "${WINDOW_SIZE}+${origin[0]}+${origin[1]}" +repage "$1"
}
# A picture of one cell, its middle at X, Y of the window.
cell_shot() {
  local half=$((CELL / 2 - 2))
  import -window root -crop "$((2 * half))x$((2 * half))+$((origin[0] + $2 - half))+$((origin[1] + $3 - half))" \
    +repage "$work/$1.png"
}
press() {
  xdotool mousemove --sync $((origin[0] + $1)) $((origin[1] + $2))
  xdotool click 1
}

# Drawn when two pictures taken a moment apart are the same and not empty.
window_settled() {
  window_shot "$work/settle-a.png"
  sleep 0.5
  window_shot "$work/settle-b.png"
  [ "$(difference "$work/settle-a.png" "$work/settle-b.png")" = 0.00 ] &&
    [ "$(convert "$work/settle-b.png" -format '%[fx:standard_deviation>0.05]' info:)" = 1 ]
}

# The share of pixels (0 to 1) that differ between two pictures of one size.
difference() {
  local count
  count=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1) || true
  [[ $count =~ ^[0-9.e+]+$ ]] || fail "cannot compare $1 with $2: $count"
  awk -v c="$count" -v n="$(identify -format '%[fx:w*h]' "$1")" 'BEGIN { printf "%.2f", c / n }'
}

# The soldier stands in the cell that was empty, and its old cell shows
# something else now.
soldier_moved() {
  cell_shot after-empty "${EMPTY_CELL[@]}"
  cell_shot after-soldier "${SOLDIER_CELL[@]}"
  local arrived left
  arrived=$(difference "$work/after-empty.png" "$work/before-soldier.png")
  left=$(difference "$work/after-soldier.png" "$work/before-soldier.png")
  echo "wine: cells compared: arrived $arrived, left $left (0 = same picture)" >>"$work/compare.log"
  awk -v a="$arrived" -v l="$left" 'BEGIN { exit !(a < 0.1 && l > 0.3) }'
}

main "$@"; exit
