#!/usr/bin/env bash
# Start-up time and memory of the game beside GNOME Klotski, measured the
# same way in one run: launch -> window visible (the X server maps it), and
# the resident memory 3 s after launch. The two programs take turns (the
# order swaps every round) on a private Xvfb server, with the music option
# off and fresh settings folders; the medians and the game's share of
# Klotski's time are printed at the end. In the first IDLE_RUNS rounds
# (default 1) each program then also sits for 20 s with the pointer off its
# window, and the CPU ticks (1/100 s) of its whole process meanwhile are
# counted. A benchmark for people, not a test: the figures depend on the
# machine and its load.
#
# Every desktop session has a D-Bus session bus, and on it the launcher of
# the accessibility bus, which also writes that bus's address on the root
# window as a desktop's start-up does. BUS says which session the programs
# meet:
#   session  (default) a private session bus (dbus-daemon with its own
#            configuration, listening in the private runtime folder) and,
#            where at-spi2-core is installed, the accessibility bus launcher;
#   none     the bare session of earlier measurements: no bus at all;
#   both     each program starts in both sessions every round (two Xvfb
#            servers side by side), and both tables are printed.
#
#   bash scripts/measure_startup.sh [RUNS] [GAME_EXECUTABLE]
#
# RUNS defaults to 15, the game to build/game/quellan (scripts/
# bare_qt_window.sh builds the least a Qt window takes, to measure in its
# place); KLOTSKI names another Klotski executable, IDLE_RUNS the rounds with
# the idle count (0: none), A11Y_LAUNCHER the accessibility bus launcher.
# Needs Xvfb, xev, xprop, xdotool, dbus-daemon and gnome-klotski, and
# at-spi2-core for the accessibility bus (apt-get install xvfb x11-utils
# xdotool dbus at-spi2-core gnome-klotski).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
idle_runs=${IDLE_RUNS:-1}
game=$(realpath "${2:-build/game/quellan}")
game_name=$(basename "$game")  # its row in the tables
klotski=${KLOTSKI:-/usr/games/gnome-klotski}
case ${BUS:-session} in
    session) modes=(session) ;;
    none) modes=(none) ;;
    both) modes=(session none) ;;
    *) echo "BUS is session, none or both" >&2; exit 1 ;;
esac
needed=(Xvfb xev xprop xdotool stdbuf "$klotski" "$game")
[[ " ${modes[*]} " == *" session "* ]] && needed+=(dbus-daemon)
for tool in "${needed[@]}"; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
# The caller's own session bus and accessibility bus are never used.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

work=$(mktemp -d)
# A desktop session's runtime folder (/run/user/UID) is a memory file system,
# so what a program keeps there (the game's one-copy lock, written and synced
# at start-up) costs no disk write; so is this one where /dev/shm is there.
runtime_root=$work
[[ -d /dev/shm && -w /dev/shm ]] && runtime_root=$(mktemp -d /dev/shm/measure-startup.XXXXXX)
pids=()
cleanup() {
    # Newest first: the accessibility launcher before its session bus, the
    # buses before their X server.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        for _ in $(seq 100); do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.05; done
    done
    rm -rf "$work" "$runtime_root"
}
trap cleanup EXIT

# Fresh per-user folders for both programs; the game's music option off.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/Quellan" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
printf '[SetLog]\nCheck1=0\n' >"$XDG_CONFIG_HOME/Quellan/Quellan.conf"

source scripts/lib/desktop_bus.sh
declare -A display bus runtime
# Starts the X server (and for "session" the buses) of session "$1".
start_session() {
    local mode=$1 fd
    runtime[$mode]=$runtime_root/run-$mode
    mkdir -p "${runtime[$mode]}"
    chmod 700 "${runtime[$mode]}"
    # Xvfb picks a free display itself and writes its number once it is ready.
    exec {fd}>"$work/display-$mode"
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    exec {fd}>&-
    for _ in $(seq 200); do [[ -s $work/display-$mode ]] && break; sleep 0.05; done
    display[$mode]=:$(head -n1 "$work/display-$mode")
    export DISPLAY=${display[$mode]}
    xdotool getmouselocation >/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    bus[$mode]=""
    [[ $mode == session ]] || return 0

    start_desktop_bus "${runtime[$mode]}" "$work/session-bus.conf"
    pids+=("${desktop_bus_pids[@]}")
    bus[$mode]=$desktop_bus
    [[ -n $a11y_bus ]] || echo "no accessibility bus launcher ($a11y_launcher): a session bus only" >&2
}

micros() { local t=${EPOCHREALTIME/[.,]/}; echo "$((10#$t))"; }

# One start of "$2" in session "$1": prints "<ms to visible> <resident kB
# after 3 s> <ms the main thread was ready to run but waited for a
# processor> <CPU ticks over the 20 s after that, or - unless "$3" is
# idle>". The moment the window is mapped is taken from the X server's own
# notice (xev on the root window), so no polling stands between it and the
# clock. On a busy machine the time to visible less that wait is the
# steadier figure.
measure_once() {
    local -x DISPLAY=${display[$1]} XDG_RUNTIME_DIR=${runtime[$1]}
    if [[ -n ${bus[$1]} ]]; then local -x DBUS_SESSION_BUS_ADDRESS=${bus[$1]}; fi
    local start shown pid rss line cpu_ns wait_ns ticks=-
    xdotool mousemove 1279 1023  # off every window
    coproc XEV { exec stdbuf -oL xev -root -event substructure; }
    sleep 0.2  # xev has selected the events
    start=$(micros)
    "$2" >/dev/null 2>&1 &
    pid=$!
    while read -r -t 20 -u "${XEV[0]}" line; do
        [[ $line == MapNotify* ]] && break
    done
    shown=$(micros)
    read -r cpu_ns wait_ns _ <"/proc/$pid/task/$pid/schedstat" || wait_ns=0
    kill "$XEV_PID" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    if [[ $line != MapNotify* ]] || ! xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
        echo "no window from $2" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    while (($(micros) - start < 3000000)); do sleep 0.05; done
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    if [[ ${3:-} == idle ]]; then
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

for mode in "${modes[@]}"; do
    start_session "$mode"
    # One start of each first, to bring the files into the page cache (and
    # let the session's services start).
    measure_once "$mode" "$game" >/dev/null
    measure_once "$mode" "$klotski" >/dev/null
    : >"$work/$mode-game.txt"
    : >"$work/$mode-klotski.txt"
done

for round in $(seq "$runs"); do
    # The programs' order swaps every round, and so does the sessions'.
    if ((round % 2)); then order=(game klotski); else order=(klotski game); fi
    mode_order=("${modes[@]}")
    ((round % 2)) || mode_order=($(printf '%s\n' "${modes[@]}" | tac))
    for mode in "${mode_order[@]}"; do
        for who in "${order[@]}"; do
            if [[ $who == game ]]; then exe=$game; else exe=$klotski; fi
            idle=""
            ((round <= idle_runs)) && idle=idle
            result=$(measure_once "$mode" "$exe" $idle)
            echo "$result" >>"$work/$mode-$who.txt"
            printf '%2d %-7s %-8s %s ms  %s kB  (waited %s ms for a processor)  idle ticks %s\n' \
                "$round" "$mode" "$who" $result
        done
    done
done

ratio() { echo "$1 / $2" | bc -l; }
# The medians of session "$1".
report() {
    local mode=$1 who
    local -A ms kb busy
    for who in game klotski; do
        ms[$who]=$(cut -d' ' -f1 "$work/$mode-$who.txt" | median)
        kb[$who]=$(cut -d' ' -f2 "$work/$mode-$who.txt" | median)
        # Time to visible less the main thread's wait for a processor, per start.
        busy[$who]=$(awk '{print $1 - $3}' "$work/$mode-$who.txt" | median)
    done
    echo
    if [[ $mode == session ]]; then
        echo "with a session bus: medians over $runs interleaved starts"
    else
        echo "without a session bus: medians over $runs interleaved starts"
    fi
    local w=$((${#game_name} > 8 ? ${#game_name} : 8))  # the rows' names' width
    printf '%-*s %8s %14s %10s\n' "$w" "" "visible" "less CPU wait" "resident"
    printf '%-*s %5s ms %11s ms %7.1f MB\n' "$w" "$game_name" "${ms[game]}" "${busy[game]}" "$(ratio "${kb[game]}" 1024)"
    printf '%-*s %5s ms %11s ms %7.1f MB\n' "$w" klotski "${ms[klotski]}" "${busy[klotski]}" \
        "$(ratio "${kb[klotski]}" 1024)"
    printf '%-*s %8.2f %14.2f %10.2f   (%s / klotski)\n' "$w" ratio "$(ratio "${ms[game]}" "${ms[klotski]}")" \
        "$(ratio "${busy[game]}" "${busy[klotski]}")" "$(ratio "${kb[game]}" "${kb[klotski]}")" "$game_name"
    if ((idle_runs > 0)); then
        printf 'idle ticks over 20 s: %s %s, klotski %s\n' "$game_name" \
            "$(awk '$4 != "-" {print $4}' "$work/$mode-game.txt" | paste -sd' ')" \
            "$(awk '$4 != "-" {print $4}' "$work/$mode-klotski.txt" | paste -sd' ')"
    fi
}
for mode in "${modes[@]}"; do report "$mode"; done
exit 0
