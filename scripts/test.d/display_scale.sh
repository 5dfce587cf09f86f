#!/usr/bin/env bash
# The window at the display scales a system picks by itself (Qt's
# QT_SCALE_FACTOR 1, 1.25, 1.5 and 2) on Xvfb with a magenta desktop: the
# window's size in device pixels, the same picture as at 100 % when averaged
# down, no desktop showing inside the window's outline, detail of its own
# at 200 % over the pieces, the undo button's caption and the frame, and a
# soldier moved by mouse at every scale.
# Usage: scripts/test.d/display_scale.sh BUILD_DIR [SHOT_DIR]
# With SHOT_DIR the shots are kept there as PNG files.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
keep=${2:-}
game=$(readlink -f "$build/game/quellan")
[ -x "$game" ] || { echo "display scale check: no game at $game" >&2; exit 1; }
pixels="/usr/bin/python3 tests/app/display_scale_pixels.py"

source scripts/lib/x_session.sh
x_scratch
trap end_x_scratch EXIT
start_xvfb 1400x1100 "display scale check"
convert -size 8x8 xc:magenta "$work/desktop.png"
display -window root "$work/desktop.png" 2>/dev/null || true

failed=0
fail() { echo "display scale check FAILED: $*" >&2; failed=$((failed + 1)); }
# check LABEL VALUE OP LIMIT: compares with awk, reports either way.
check() {
    if awk -v v="$2" -v l="$4" "BEGIN { exit !(v $3 l) }"; then
        echo "  $1: $2 (must be $3 $4)"
    else
        fail "$1: $2, must be $3 $4"
    fi
}

# Window pixels at 100 %: the game panel at (4, 27); its cells 60 pixels
# square from (34, 57); 横刀立马 fills rows 0..3 and leaves cells (1, 4) and
# (2, 4) empty; the undo button at (300, 203), 97 x 33.
board=(34 57 240 240)
caption=(326 211 68 17)
# The title text and the two caption buttons of the frame.
title=(28 5 80 14)
buttons=(422 5 38 16)

shoot() {  # shoot WINDOW NAME: the window's box from the screen, as PPM
    read -r x y w h < <(geometry "$1")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "$work/$2.ppm"
    [ -z "$keep" ] || convert "$work/$2.ppm" "$keep/$2.png"
}

[ -z "$keep" ] || mkdir -p "$keep"
for scale in 1 1.25 1.5 2; do
    echo "display scale $scale:"
    home="$work/home-$scale"
    mkdir -p "$home/run" && chmod 700 "$home/run"
    cp -r "$(dirname "$game")" "$home/game"
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$scale \
        "$home/game/quellan" >"$work/game-$scale.log" 2>&1 &
    pid=$!
    pids+=($pid)
    wid=$(poll xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] || { fail "no window at $scale"; continue; }
    # The pointer off the window, so no piece shows its hover look.
    xdotool mousemove 1399 1099
    sleep 1.5
    read -r _ _ w h < <(geometry "$wid")
    want=$(awk -v s="$scale" 'BEGIN { printf "%d %d", int(464 * s + 0.5), int(411 * s + 0.5) }')
    [ "$w $h" = "$want" ] && echo "  window: $w x $h" || fail "window $w x $h at $scale, want $want"
    shoot "$wid" "window-$scale"

    if [ "$scale" != 1 ]; then
        one="$work/window-1.ppm"
        shot="$work/window-$scale.ppm"
        check "unpainted pixels inside the outline" \
            "$($pixels unpainted "$one" "$shot" "$scale")" "==" 0
        check "difference from 100 % over the pieces" \
            "$($pixels agree "$one" "$shot" "$scale" "${board[@]}")" "<" 10
        check "difference from 100 % over the whole window" \
            "$($pixels agree "$one" "$shot" "$scale" 0 0 464 411)" "<" 8
    fi
    if [ "$scale" = 2 ]; then
        check "detail over the pieces" "$($pixels detail "$shot" 2 "${board[@]}")" ">" 0.5
        check "detail over the undo caption" "$($pixels detail "$shot" 2 "${caption[@]}")" ">" 0.1
        check "detail over the title" "$($pixels detail "$shot" 2 "${title[@]}")" ">" 0.1
        check "detail over the caption buttons" \
            "$($pixels detail "$shot" 2 "${buttons[@]}")" ">" 0.1
        echo "  detail over the whole window: $($pixels detail "$shot" 2 0 0 464 411)"
    fi

    # A soldier moved by mouse: press it at (1, 3), then the empty cell
    # below; afterwards that cell shows what the soldier's cell showed.
    press() {
        xdotool mousemove --window "$wid" \
            "$(awk -v v="$1" -v s="$scale" 'BEGIN { print int(v * s) }')" \
            "$(awk -v v="$2" -v s="$scale" 'BEGIN { print int(v * s) }')" click 1
        sleep 0.4
    }
    press 124 267
    shoot "$wid" "selected-$scale"
    press 124 327
    shoot "$wid" "moved-$scale"
    check "soldier in its new cell" \
        "$($pixels same "$work/selected-$scale.ppm" "$work/moved-$scale.ppm" "$scale" \
            94 237 94 297 60 60)" "<" 12
    check "its old cell changed" \
        "$($pixels same "$work/selected-$scale.ppm" "$work/moved-$scale.ppm" "$scale" \
            94 237 94 237 60 60)" ">" 12
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done

if [ "$failed" -gt 0 ]; then
    echo "display scale check: $failed failed" >&2
    exit 1
fi
echo "display scale check: passed"
