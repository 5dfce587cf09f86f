#!/usr/bin/env bash
# The Debian package, end to end: it is built, lintian finds no error, its
# menu entry and software-centre data validate, and it installs with dpkg.
# Then a throwaway user who is not root starts the game by the menu entry's
# Exec line on an Xvfb display with openbox: the chooser lists the 40
# shipped layouts and a one-step layout the user keeps in
# ~/.local/share/quellan/map/; that layout, picked and won with the mouse,
# asks a name and writes its record to ~/.local/share/quellan/log/; a layout
# saved with 布阵 lands in the same map/ and is listed. dpkg -r removes every
# file the package installed and leaves the user's folder. The user and the
# package are removed again, so the machine is left as it was.
# Runs as root (CI does; otherwise through sudo). Usage: scripts/test.d/deb.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
what="deb check"
if [ "$(id -u)" != 0 ]; then
    # Installing the package and adding a user need root, as deps.sh does.
    command -v sudo >/dev/null || { echo "$what: needs root to install the package" >&2; exit 1; }
    exec sudo bash scripts/test.d/deb.sh "$build"
fi
if dpkg-query -W -f='${Status}' quellan 2>/dev/null | grep -q installed; then
    echo "$what: a quellan package is installed already; not touching it" >&2
    exit 1
fi
bash scripts/deps.sh test

work=$(mktemp -d)
chmod 755 "$work"
pids=()
user=qltest$$
installed=no
pid=
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
    if id "$user" >/dev/null 2>&1; then
        userdel --remove "$user" 2>/dev/null || userdel --force --remove "$user" || true
    fi
    [ "$installed" = no ] || dpkg -r quellan >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

failed=0
passed=0
fail() { echo "$what FAILED: $*" >&2; failed=$((failed + 1)); }
pass() { passed=$((passed + 1)); }
check() {  # check WHAT CMD...: one pass or one failure
    local about=$1
    shift
    if "$@"; then pass; else fail "$about"; fi
}

# The package, lintian and the validators.
deb=$(bash scripts/package_deb.sh "$build" | tail -n 1)
echo "$what: $deb, $(du -h "$deb" | cut -f1)"
lintian --display-info --tag-display-limit 0 "$deb" | tee "$work/lintian.txt" || true
check "lintian reports errors" test -z "$(grep '^E:' "$work/lintian.txt")"
dpkg-deb -x "$deb" "$work/unpacked"
check "desktop-file-validate" \
    desktop-file-validate "$work/unpacked/usr/share/applications/io.github.quellan.Quellan.desktop"
check "appstreamcli validate" appstreamcli validate --no-net \
    "$work/unpacked/usr/share/metainfo/io.github.quellan.Quellan.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    icon=$work/unpacked/usr/share/icons/hicolor/${size}x$size/apps/io.github.quellan.Quellan.png
    check "icon $size" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size"
done

dpkg -i "$deb" >"$work/dpkg-i.log" 2>&1 || { cat "$work/dpkg-i.log" >&2; exit 1; }
installed=yes
dpkg -L quellan | sort >"$work/files.txt"
check "the program in /usr/games" test -x /usr/games/quellan
check "the data in /usr/share/quellan" test -f /usr/share/quellan/installed

# The player: a fresh user with a one-step layout of their own (the
# commander stands right above the exit, the two cells below it free).
useradd --create-home --shell /bin/sh "$user"
home=$(getent passwd "$user" | cut -d: -f6)
own=$home/.local/share/quellan
one_step=一步
run_as() { runuser -u "$user" -- "$@"; }
run_as mkdir -p "$own/map"
printf '1,0,10\r\n2,0,2\r\n3,1,1\r\n4,1,4\r\n5,1,9\r\n6,1,12\r\n7,0,6\r\n8,0,7\r\n9,0,17\r\n10,0,20\r\n' |
    run_as tee "$own/map/$one_step.qlp" >/dev/null
run_as mkdir -p -m 700 "$home/run"

source scripts/lib/x_session.sh
start_x_session "$what"

# The menu entry's Exec line, run as that user with a login's PATH.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/io.github.quellan.Quellan.desktop)
runuser -u "$user" -- env -i HOME="$home" USER="$user" DISPLAY="$DISPLAY" \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    sh -c "$exec_line" >"$work/game.log" 2>&1 &
pids+=($!)
game_pid() { pgrep -u "$user" -x quellan; }
poll game_pid >/dev/null || { cat "$work/game.log" >&2; echo "$what: the game did not start" >&2; exit 1; }
pid=$(game_pid)
main=$(timeout $patience xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
[ -n "$main" ] || { cat "$work/game.log" >&2; echo "$what: no window" >&2; exit 1; }
pass
read -r wx wy _ _ < <(geometry "$main")
press() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; }  # window pixels
shot() { import -window "$1" "$work/shot.png" && md5sum <"$work/shot.png"; }

# count_entries: opens the chooser's list with the mouse and counts its
# entries: Down moves the mark one entry on until it stands on the last one
# and the list no longer changes. The list is left open on the last entry.
count_entries() {
    local list n=1 before after
    press 380 85
    poll count_is "$pid" 2 || { echo 0; return; }
    list=$(other_window "$pid" "$main")
    xdotool key Home
    sleep 0.2
    after=$(shot "$list")
    while :; do
        before=$after
        xdotool key Down
        sleep 0.1
        after=$(shot "$list")
        [ "$after" != "$before" ] || break
        n=$((n + 1))
        [ $n -le 200 ] || break
    done
    echo "$n"
}

# The list: 40 shipped layouts and the user's own, which comes last. It is
# picked with the mouse: the last entry stands at the bottom of the list.
entries=$(count_entries)
check "the chooser lists $entries entries, not 41" test "$entries" -eq 41
list=$(other_window "$pid" "$main")
read -r lx ly lw lh < <(geometry "$list")
xdotool mousemove $((lx + lw / 3)) $((ly + lh - 8)) click 1
poll count_is "$pid" 1 || fail "the chooser's list did not close"

# One step wins: select the commander (cell 10), press the free cell 18
# below it. The board panel starts at (4, 27); cells are 60 pixels, the
# first at (30, 30) on it.
press $((4 + 30 + 60 + 60)) $((27 + 30 + 120 + 60))
sleep 0.3
press $((4 + 30 + 60 + 30)) $((27 + 30 + 240 + 30))
# "恭喜过关~", then the name box of a new record.
if poll count_is "$pid" 2; then
    xdotool key Return
    sleep 0.5
    if poll count_is "$pid" 2; then
        xdotool type --delay 20 Tester
        xdotool key Return
    else
        fail "no name box for the new record"
    fi
else
    fail "no congratulation after the winning step"
fi
record=$own/log/$one_step.log
if poll test -s "$record"; then
    check "the record names the player" grep -q '玩家：Tester' <(iconv -f GB18030 -t UTF-8 "$record")
    check "the record belongs to the user" test "$(stat -c %U "$record")" = "$user"
else
    fail "no record in $record"
fi

# 布阵 (bottom bar) opens on the board as it stands; 保存 asks a name and
# writes the layout to the user's map/, where the chooser lists it.
press 247 399
if poll count_is "$pid" 2; then
    dialog=$(other_window "$pid" "$main")
    sleep 0.5
    xdotool mousemove --window "$dialog" 455 344 click 1   # 保存
    if poll count_is "$pid" 3; then
        xdotool type --delay 20 saved1
        xdotool key Return
    else
        fail "保存 asked no name"
    fi
    poll test -s "$own/map/saved1.qlp" || fail "the saved layout is not in $own/map"
    poll count_is "$pid" 1 || xdotool key Escape
    poll count_is "$pid" 1 || fail "布阵 did not close"
else
    fail "布阵 did not open"
fi
entries=$(count_entries)
check "after saving the chooser lists $entries entries, not 42" test "$entries" -eq 42
xdotool key Escape

# Closing the game, then removing the package: every installed file goes,
# the user's own files stay.
kill "$pid" 2>/dev/null || true
poll sh -c "! pgrep -u $user -x quellan >/dev/null" || fail "the game did not end"
dpkg -r quellan >"$work/dpkg-r.log" 2>&1 || { cat "$work/dpkg-r.log" >&2; fail "dpkg -r"; }
installed=no
left=$(while read -r f; do if [ -f "$f" ] || [ -L "$f" ]; then echo "$f"; fi; done <"$work/files.txt")
check "files left after dpkg -r: $left" test -z "$left"
check "no /usr/share/quellan after dpkg -r" test ! -e /usr/share/quellan
check "the user's layouts stay" test -f "$own/map/$one_step.qlp" -a -f "$own/map/saved1.qlp"
check "the user's record stays" test -f "$record"

echo "$what: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
