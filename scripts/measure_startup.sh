#!/usr/bin/env bash
# Start-up time and memory of the game beside GNOME Klotski, measured the
# same way in one run: launch -> window visible (the X server maps it), and
# the resident memory 3 s after launch. The two programs take turns (the
# order swaps every round) on one Xvfb server, with the music option off and
# fresh settings folders; the medians and the game's share of Klotski's time
# are printed at the end. In the first IDLE_RUNS rounds (default 1) each
# program then also sits for 20 s with the pointer off its window, and the
# CPU ticks (1/100 s) of its whole process meanwhile are counted. No D-Bus
# session bus is started, so both programs meet the same bare session. A
# benchmark for people, not a test: the figures depend on the machine and
# its load.
#
#   bash scripts/measure_startup.sh [RUNS] [GAME_EXECUTABLE]
#
# RUNS defaults to 15, the game to build/game/quellan; KLOTSKI names another
# Klotski executable, IDLE_RUNS the rounds with the idle count (0: none). Needs Xvfb, xev, xdotool and gnome-klotski (apt-get
# install xvfb x11-utils xdotool gnome-klotski).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
idle_runs=${IDLE_RUNS:-1}
game=$(realpath "${2:-build/game/quellan}")
klotski=${KLOTSKI:-/usr/games/gnome-klotski}
for tool in Xvfb xev xdotool stdbuf "$klotski" "$game"; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number once it is ready.
exec {display_fd}>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec {display_fd}>&-
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display")
xdotool getmouselocation >/dev/null || { echo "Xvfb did not start" >&2; exit 1; }

# Fresh per-user folders for both programs; the game's music option off.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/Quellan" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[SetLog]\nCheck1=0\n' >"$XDG_CONFIG_HOME/Quellan/Quellan.conf"

micros() { local t=${EPOCHREALTIME/[.,]/}; echo "$((10#$t))"; }

# One start of "$1": prints "<ms to visible> <resident kB after 3 s> <ms the
# main thread was ready to run but waited for a processor> <CPU ticks over
# the 20 s after that, or - unless "$2" is idle>". The moment the
# window is mapped is taken from the X server's own notice (xev on the root
# window), so no polling stands between it and the clock. On a busy machine
# the time to visible less that wait is the steadier figure.
measure_once() {
    local start shown pid rss line cpu_ns wait_ns ticks=-
    xdotool mousemove 1279 1023  # off every window
    coproc XEV { exec stdbuf -oL xev -root -event substructure; }
    sleep 0.2  # xev has selected the events
    start=$(micros)
    "$1" >/dev/null 2>&1 &
    pid=$!
    while read -r -t 20 -u "${XEV[0]}" line; do
        [[ $line == MapNotify* ]] && break
    done
    shown=$(micros)
    read -r cpu_ns wait_ns _ <"/proc/$pid/task/$pid/schedstat" || wait_ns=0
    kill "$XEV_PID" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    if [[ $line != MapNotify* ]] || ! xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
        echo "no window from $1" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    while (($(micros) - start < 3000000)); do sleep 0.05; done
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    if [[ ${2:-} == idle ]]; then
        local before
        before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
        sleep 20
        ticks=$(($(awk '{print $14 + $15}' "/proc/$pid/stat") - before))
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((shown - start) / 1000)) $rss $((wait_ns / 1000000)) $ticks"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# One start of each first, to bring the files into the page cache.
measure_once "$game" >/dev/null
measure_once "$klotski" >/dev/null

: >"$work/game.txt"
: >"$work/klotski.txt"
for round in $(seq "$runs"); do
    if ((round % 2)); then order=(game klotski); else order=(klotski game); fi
    for who in "${order[@]}"; do
        if [[ $who == game ]]; then exe=$game; else exe=$klotski; fi
        idle=""
        ((round <= idle_runs)) && idle=idle
        result=$(measure_once "$exe" $idle)
        echo "$result" >>"$work/$who.txt"
        printf '%2d %-8s %s ms  %s kB  (waited %s ms for a processor)  idle ticks %s\n' \
            "$round" "$who" $result
    done
done

column() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
game_ms=$(column game 1)
klotski_ms=$(column klotski 1)
game_kb=$(column game 2)
klotski_kb=$(column klotski 2)
# Time to visible less the main thread's wait for a processor, per start.
awk '{print $1 - $3}' "$work/game.txt" >"$work/game-busy.txt"
awk '{print $1 - $3}' "$work/klotski.txt" >"$work/klotski-busy.txt"
game_busy=$(median <"$work/game-busy.txt")
klotski_busy=$(median <"$work/klotski-busy.txt")
ratio() { echo "$1 / $2" | bc -l; }
idle_ticks() { awk '$4 != "-" {print $4}' "$work/$1.txt" | paste -sd' '; }
echo
echo "medians over $runs interleaved starts:"
printf '%-8s %8s %14s %10s\n' "" "visible" "less CPU wait" "resident"
printf '%-8s %5s ms %11s ms %7.1f MB\n' quellan "$game_ms" "$game_busy" "$(ratio "$game_kb" 1024)"
printf '%-8s %5s ms %11s ms %7.1f MB\n' klotski "$klotski_ms" "$klotski_busy" "$(ratio "$klotski_kb" 1024)"
printf '%-8s %8.2f %14.2f %10.2f   (quellan / klotski)\n' ratio "$(ratio "$game_ms" "$klotski_ms")" \
    "$(ratio "$game_busy" "$klotski_busy")" "$(ratio "$game_kb" "$klotski_kb")"
((idle_runs > 0)) && printf 'idle ticks over 20 s: quellan %s, klotski %s\n' "$(idle_ticks game)" \
    "$(idle_ticks klotski)"
exit 0
