#!/usr/bin/env bash
# The window's controls reach a screen reader. On an Xvfb display with a
# desktop's message buses (scripts/lib/desktop_bus.sh):
# - with a screen reader running (the accessibility status says so before
#   the game starts), the game registers on the accessibility bus once its
#   window shows, and walking its accessible tree as a screen reader does
#   finds the window's caption, its labels and the layouts in the chooser;
# - with none running, the game still shows its window and connects to the
#   accessibility bus.
# Usage: scripts/test.d/screen_reader.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
game=$(readlink -f "$build/game/quellan")
[ -x "$game" ] || { echo "screen reader check: no game at $game" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

source scripts/lib/x_session.sh
source scripts/lib/desktop_bus.sh
start_x_session "screen reader check"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run HOME=$work
export SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME/Quellan" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[SetLog]\nCheck1=0\n' >"$XDG_CONFIG_HOME/Quellan/Quellan.conf"
unset AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
start_desktop_bus "$XDG_RUNTIME_DIR" "$work/session-bus.conf"
pids+=("${desktop_bus_pids[@]}")
export DBUS_SESSION_BUS_ADDRESS=$desktop_bus
[ -n "$a11y_bus" ] || { echo "screen reader check: no accessibility bus (at-spi2-core)" >&2; exit 1; }

failed=0
fail() { echo "screen reader check FAILED: $*" >&2; failed=$((failed + 1)); }
screen_reader() {
    busctl --user set-property org.a11y.Bus /org/a11y/bus org.a11y.Status ScreenReaderEnabled b "$1"
}
tree() { python3 scripts/lib/accessible_tree.py "$a11y_bus" >"$work/tree.txt" 2>&1; }
tree_holds() {
    tree || return 1
    local text
    for text in "$@"; do grep -qF -- "$text" "$work/tree.txt" || return 1; done
}
# The game's process among the accessibility bus's connections.
on_a11y_bus() {
    local name
    for name in $(busctl --address="$a11y_bus" list --no-legend --unique | awk '{print $1}'); do
        [ "$(busctl --address="$a11y_bus" call org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus GetConnectionUnixProcessID s "$name" | awk '{print $2}')" = "$1" ] && return 0
    done
    return 1
}
start_game() {
    QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    poll count_is "$pid" 1 || fail "$1: no window"
}
stop_game() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

screen_reader true
start_game "with a screen reader"
if ! poll tree_holds "application: 'Quellan'" "filler: 'Quellan 1.0.2'" "label: '当前阵型：'" \
    "label: '最佳步数记录：'" "list item: '一路进军'"; then
    fail "with a screen reader the window's controls are not in the accessible tree:"
    cat "$work/tree.txt" >&2
fi
stop_game

screen_reader false
start_game "without a screen reader"
poll on_a11y_bus "$pid" || fail "without a screen reader the game did not connect to the accessibility bus"
stop_game

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "screen reader check: passed"
