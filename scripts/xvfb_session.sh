# Sourced by the checks that drive the game on a private Xvfb display: a
# scratch folder `$work`, the processes in `pids` ended on exit, `poll`, and
# `start_xvfb SIZE WHO`, which starts the server on a free display, exports
# DISPLAY and waits until it answers (WHO names the check in messages).
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Every wait polls with a deadline instead of assuming a speed.
patience=30  # seconds for any one thing to happen
poll() {  # poll CMD...: retries CMD until it succeeds or patience runs out
    local until=$((SECONDS + patience))
    until "$@"; do
        [ $SECONDS -lt $until ] || return 1
        sleep 0.05
    done
}

start_xvfb() {
    local n
    for n in $(seq 70 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 "${1}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    poll xdotool getmouselocation >/dev/null 2>&1 || { echo "$2: no X server" >&2; exit 1; }
}
