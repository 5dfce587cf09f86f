#!/usr/bin/env bash
# Pictures of the game for the README: runs the built game under Xvfb with
# openbox, presses the coach's buttons with xdotool and writes
# docs/screenshots/*.png: the board at start, a hint shown, a demonstration
# under way. Usage: bash scripts/screenshots.sh [path/to/quellan]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/game/quellan}
out=$root/docs/screenshots

if [ "${QUELLAN_SHOTS_ON_XVFB:-}" != 1 ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env QUELLAN_SHOTS_ON_XVFB=1 bash "$0" "$@"
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT
# Fresh settings and a game folder of its own, so no record of the player's
# shows up and none is written.
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp -r "$(dirname "$game")" "$tmp/game"
rm -rf "$tmp/game/log"

openbox >/dev/null 2>&1 &
pids+=($!)
"$tmp/game/$(basename "$game")" >/dev/null 2>&1 &
pids+=($!)
wid=$(xdotool search --sync --onlyvisible --name '^Quellan' | head -1)
sleep 1.5

mkdir -p "$out"
shot() { import -window "$wid" "$out/$1.png"; }
# Window pixels of the buttons: the game panel starts at (4, 27), the hint
# and demonstration buttons stand at (292, 213) and (344, 213) on it.
press() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }

shot board-at-start
press 320 252
sleep 0.7
shot hint-shown
press 372 252
sleep 4
shot demonstration
press 372 252
echo "wrote $out/board-at-start.png, hint-shown.png, demonstration.png"
