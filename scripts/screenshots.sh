#!/usr/bin/env bash
# Pictures of the game for the README: runs the built game under Xvfb with
# openbox, presses the coach's buttons with xdotool and writes
# docs/screenshots/*.png: the board at start, a hint shown, a demonstration
# under way, and the workshop's 布阵 dialog while arranging and with a
# random layout drawn. Usage: bash scripts/screenshots.sh [path/to/quellan]
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

# The workshop: the 布阵 button stands in the bottom bar at (247, 399).
# In the dialog cell (column c, row r) of the board has its centre at
# (70 + 60c, 70 + 60r); the tools and buttons stand on the parchment.
press 247 399
did=$(xdotool search --sync --onlyvisible --name '^布阵' | head -1)
sleep 1
at() { xdotool mousemove --window "$did" "$1" "$2"; }
click() { at "$1" "$2" && xdotool click 1 && sleep 0.2; }
click 455 114                                   # 清空
click 365 54 && click 130 70                    # 曹操 at the top middle
click 455 54 && click 70 70 && click 250 70     # two upright generals beside him
click 545 54 && click 130 190                   # a lying general under him
click 365 84 && click 130 250 && click 190 250  # two soldiers
click 455 54 && at 70 310                       # an upright general here would leave the board
sleep 0.5
import -window "$did" "$out/workshop-arrange.png"
at 499 144 && xdotool click 1      # the difficulty bands: 困难
sleep 0.5
xdotool key Down Down Return
at 365 144 && xdotool click 1      # 随机
sleep 2
at 560 20
sleep 0.3
import -window "$did" "$out/workshop-random.png"
echo "wrote $out/board-at-start.png, hint-shown.png, demonstration.png," \
  "workshop-arrange.png, workshop-random.png"
