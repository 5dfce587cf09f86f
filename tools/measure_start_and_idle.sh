#!/usr/bin/env bash
# Measures what starting and idling cost: the time from launch to a visible
# window, the resident memory 3 s later and the CPU ticks (1/100 s) the whole
# process spends over the next 20 s with the pointer off the window. The game
# runs with the music off and the effects on (the set-up sound plays at
# start), in a settings folder of its own; GNOME Klotski, when installed
# (Debian package gnome-klotski), runs beside it, interleaved run by run, so
# both see the same load. Prints every run, then medians and the ratio.
#
# Usage: tools/measure_start_and_idle.sh [GAME_EXE] [RUNS] [IDLE_RUNS]
#   GAME_EXE   default build/game/quellan
#   RUNS       start-up runs per program (default 9)
#   IDLE_RUNS  of those, how many also count idle ticks for 20 s (default 2)
# Needs Xvfb, xdotool and procps; nothing else runs on the display.
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(readlink -f "${1:-build/game/quellan}")
runs=${2:-9}
idle_runs=${3:-2}
klotski=$(command -v gnome-klotski || echo /usr/games/gnome-klotski)
[ -x "$klotski" ] || klotski=""
[ -x "$game" ] || { echo "no game at $game (build it first)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
for n in $(seq 71 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
export DISPLAY=:$n
# -noreset: the pointer stays where it was put when the last client goes.
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Each program gets a fresh home: no cache, no settings of an earlier run.
fresh_home() {
    rm -rf "$work/home"
    mkdir -p "$work/home/config/Quellan" "$work/home/run"
    chmod 700 "$work/home/run"
    printf '[SetLog]\nCheck1=0\nCheck2=1\n' >"$work/home/config/Quellan/Quellan.conf"
}

now_ns() { date +%s%N; }
ticks_of() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_kb_of() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# run NAME IDLE CMD...: one start; prints "NAME ms rss_kb idle_ticks".
run() {
    local name=$1 idle=$2
    shift 2
    fresh_home
    xdotool mousemove 1020 760
    local t0 pid t1 ms rss ticks="-"
    t0=$(now_ns)
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home/run" \
        GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 "$@" >"$work/$name.log" 2>&1 &
    pid=$!
    # Poll for a mapped window of that process; xdotool's own --sync waits
    # half a second between looks, too coarse for a start-up time.
    local deadline=$((t0 + 30000000000))
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        if [ "$(now_ns)" -gt "$deadline" ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "$name: no window; its output:" >&2
            cat "$work/$name.log" >&2
            kill "$pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.002
    done
    t1=$(now_ns)
    ms=$(((t1 - t0) / 1000000))
    xdotool mousemove 1020 760  # off the window, as it was at the launch
    sleep 3
    rss=$(rss_kb_of "$pid")
    if [ "$idle" = 1 ]; then
        local before
        before=$(ticks_of "$pid")
        sleep 20
        ticks=$(($(ticks_of "$pid") - before))
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$name $ms $rss $ticks"
}

results="$work/results"
: >"$results"
echo "run  program   start_ms  rss_MB  idle_ticks_20s"
for i in $(seq 1 "$runs"); do
    idle=0
    [ "$i" -le "$idle_runs" ] && idle=1
    # Alternate which program goes first, so neither always follows the other.
    order=(quellan klotski)
    [ $((i % 2)) = 0 ] && order=(klotski quellan)
    for prog in "${order[@]}"; do
        line=""
        case $prog in
            quellan) line=$(run quellan "$idle" "$game") || continue ;;
            klotski) [ -n "$klotski" ] || continue
                     line=$(run klotski "$idle" "$klotski") || continue ;;
        esac
        echo "$line" >>"$results"
        set -- $line
        printf '%3d  %-8s %9s %7.1f  %s\n' "$i" "$1" "$2" "$(awk -v v="$3" 'BEGIN { print v / 1024 }')" "$4"
    done
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_of() { awk -v p="$1" -v c="$2" '$1 == p && $c != "-" { print $c }' "$results"; }

echo
echo "medians    start_ms  rss_MB  idle_ticks_20s"
for prog in quellan klotski; do
    ms=$(column_of $prog 2 | median)
    [ "$ms" = "-" ] && continue
    rss=$(column_of $prog 3 | median)
    ticks=$(column_of $prog 4 | median)
    printf '%-10s %8s %7.1f  %s\n' "$prog" "$ms" "$(awk -v v="$rss" 'BEGIN { print v / 1024 }')" "$ticks"
done
q=$(column_of quellan 2 | median)
k=$(column_of klotski 2 | median)
if [ "$k" != "-" ] && [ "$q" != "-" ]; then
    printf 'start-up ratio quellan / klotski: %.2f\n' "$(awk -v a="$q" -v b="$k" 'BEGIN { print a / b }')"
fi
