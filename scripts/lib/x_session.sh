# An X session for the steps that drive the game's window like a player
# (scripts/test.d/openbox.sh, scripts/test.d/deb.sh,
# scripts/test.d/display_scale.sh): an Xvfb display, with openbox on it where
# a window manager matters, polling with a deadline, and the game's windows and their
# places seen through xdotool. Source it; the caller keeps a scratch folder
# in $work and an array `pids` of what it started, which it ends itself.

# x_scratch: a fresh scratch folder in $work and an empty `pids`, which
# end_x_scratch (the caller's exit trap) ends and removes.
x_scratch() {
    work=$(mktemp -d)
    pids=()
}
end_x_scratch() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}

# Every wait polls with a deadline instead of assuming a speed.
patience=30  # seconds for any one thing to happen
poll() {  # poll CMD...: retries CMD until it succeeds or patience runs out
    local until=$((SECONDS + patience))
    until "$@"; do
        [ $SECONDS -lt $until ] || return 1
        sleep 0.05
    done
}

# start_xvfb SIZE WHAT: Xvfb with a screen of SIZE (e.g. 1024x768) on a free
# display, exported as DISPLAY and added to `pids`; WHAT names the step in a
# failure. Xvfb picks the display number itself: a display another program on
# the machine holds may not show in /tmp/.X11-unix (its socket may be
# abstract or in another /tmp). The server keeps its desktop between clients
# (-noreset), so a background set on the root window stays.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    poll test -s "$work/display" || { echo "$2: no X server" >&2; exit 1; }
    export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
    poll xdotool getmouselocation >/dev/null 2>&1 || { echo "$2: no X server" >&2; exit 1; }
}

# start_x_session WHAT: a 1024x768 Xvfb display with openbox on it.
start_x_session() {
    start_xvfb 1024x768 "$1"
    HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # openbox is up once it has claimed the desktop: it names itself on the root.
    poll xdotool get_desktop >/dev/null 2>&1 || { echo "$1: no window manager" >&2; exit 1; }
}

# Windows of process $1 that are mapped, one id a line.
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }
# "X Y W H" of window $1 on the screen.
geometry() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2 }
                 END { print x, y, w, h }'
}
at() { [ "$(geometry "$1" | cut -d' ' -f1-2)" = "$2 $3" ]; }
count_is() { [ "$(windows_of "$1" | wc -l)" -eq "$2" ]; }
other_window() { windows_of "$1" | grep -vx "$2" | head -n 1; }
