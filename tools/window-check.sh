#!/usr/bin/env bash
# Checks the assistant's window on a display of two X screens of different sizes (1920x1080 and
# 1280x720), driven with xdotool:
#   - the first start centres it; a place it is moved to is in the settings file within a
#     second, and still there after a SIGKILL; the next start puts it back there;
#   - left at (0, 0) and closed with its close button, it reopens at (0, 0);
#   - a place saved on the large screen is kept there and clamped onto the small one;
#   - an empty spot of the play screen drags the window, a key still plays;
#   - with the start-up offer to restore a session open, the header still drags the window
#     and the page below it takes no click.
#
#     NOX_XVFB_SCREENS="1920x1080x24 1280x720x24" tests/x11run.sh tools/window-check.sh \
#         build/app/noxbaccarat shots/
#
# Exit code 0 when every check passes. The settings live in a fresh temporary directory.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/noxwindow.sh"

app=${1:?usage: window-check.sh path/to/noxbaccarat output-directory}
out=${2:?usage: window-check.sh path/to/noxbaccarat output-directory}
mkdir -p "$out"
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
ini="$config/NoxBaccarat/Baccarat Vantor Pro.ini"
base_display=${DISPLAY%.*}
: >"$out/window-check.log"
failures=0
app_pid=""
wid=""

cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    rm -rf "$config"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# start SCREEN: starts the program on X screen SCREEN and waits for its window and first frame.
start() {
    export DISPLAY="$base_display.$1"
    "$app" >>"$out/window-check.log" 2>&1 &
    app_pid=$!
    nox_wait_window || true
    if [ -z "$wid" ]; then
        echo "FAIL: the window did not appear on screen $1" >&2
        cat "$out/window-check.log" >&2
        exit 1
    fi
    sleep 1.5 # mapped, placed and drawn
}

# place: "X,Y" of the window now.
place() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    echo "$X,$Y"
}

# saved: "X,Y" of the window as the settings file holds it.
saved() {
    local x y
    x=$(sed -n 's/^windowX=//p' "$ini" 2>/dev/null)
    y=$(sed -n 's/^windowY=//p' "$ini" 2>/dev/null)
    echo "$x,$y"
}

# stop_killed: ends the program with SIGKILL, as a crash would.
stop_killed() {
    kill -9 "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

# stop_closed: ends the program with the close button of its header (top right).
stop_closed() {
    local at
    IFS=, read -r wx wy <<<"$(place)"
    xdotool mousemove --sync $((wx + 406)) $((wy + 20)) click 1
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "the close button did not end the program"
        stop_killed
        return
    fi
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

# tasks: how many engine tasks the program has run so far (its debug log says "RUNNING n").
tasks() {
    grep -c '^RUNNING\|RUNNING [0-9]' "$out/window-check.log"
}

pixel() { # x y on the screen -> "r,g,b"
    convert x:root -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
is_color() { # "r,g,b" expected-r expected-g expected-b
    local r g b
    IFS=, read -r r g b <<<"$1"
    [ $((r > $2 - 30 && r < $2 + 30 && g > $3 - 30 && g < $3 + 30 && b > $4 - 30 && b < $4 + 30)) = 1 ]
}

# 1. First start: centred on the 1920x1080 screen. Moved, then killed just over a second later:
#    the new place is on disk.
start 0
[ "$(place)" = "745,180" ] || fail "first start at $(place), expected centred at 745,180"
xdotool windowmove --sync "$wid" 100 50
sleep 1.2
[ "$(saved)" = "100,50" ] || fail "1.2 s after the move the settings hold $(saved), expected 100,50"
stop_killed
[ "$(saved)" = "100,50" ] || fail "after SIGKILL the settings hold $(saved), expected 100,50"
start 0
[ "$(place)" = "100,50" ] || fail "restarted after the kill at $(place), expected 100,50"

# 2. Left at (0, 0), closed with its close button: back at (0, 0), twice.
xdotool windowmove --sync "$wid" 0 0
sleep 0.3
stop_closed
[ "$(saved)" = "0,0" ] || fail "closed at 0,0, the settings hold $(saved)"
start 0
[ "$(place)" = "0,0" ] || fail "left at 0,0, reopened at $(place)"
stop_closed
start 0
[ "$(place)" = "0,0" ] || fail "left at 0,0 twice, reopened at $(place)"
import -window root -crop 640x720+0+0 +repage "$out/window-01-corner.png"
stop_closed

# 3. A place of the large screen: kept there, clamped onto the small one (430x720 fits it
#    exactly at y = 0).
sed -i 's/^windowX=.*/windowX=1400/; s/^windowY=.*/windowY=300/' "$ini"
start 1
[ "$(place)" = "850,0" ] || fail "saved at 1400,300, on the 1280x720 screen at $(place), expected 850,0"
stop_killed
sed -i 's/^windowX=.*/windowX=1400/; s/^windowY=.*/windowY=300/' "$ini"
start 0
[ "$(place)" = "1400,300" ] || fail "saved at 1400,300, on the 1920x1080 screen at $(place)"

# 4. An empty spot of the play screen (the dashboard beside the figures, the row of the mode
#    buttons) drags the window; the keypad still plays.
xdotool windowmove --sync "$wid" 300 100
sleep 0.3
drag() { # from x y (in the window) by dx dy
    IFS=, read -r wx wy <<<"$(place)"
    xdotool mousemove --sync $((wx + $1)) $((wy + $2)) mousedown 1
    sleep 0.2
    xdotool mousemove_relative --sync -- $(($3 / 2)) $(($4 / 2))
    sleep 0.1
    xdotool mousemove_relative --sync -- $(($3 - $3 / 2)) $(($4 - $4 / 2))
    sleep 0.2
    xdotool mouseup 1
    sleep 0.4
}
drag 200 150 60 40
[ "$(place)" = "360,140" ] || fail "dragged from the dashboard by 60,40 from 300,100: at $(place)"
drag 300 233 -30 20
[ "$(place)" = "330,160" ] || fail "dragged from the mode bar by -30,20 from 360,140: at $(place)"
IFS=, read -r wx wy <<<"$(place)"
before=$(tasks)
xdotool mousemove --sync $((wx + 85)) $((wy + 672)) click 1
sleep 0.8
[ "$(tasks)" -gt "$before" ] || fail "PLAYER pressed after the drags ran no engine task"
import -window root -crop "430x720+$wx+$wy" +repage "$out/window-02-after-drag.png"
is_color "$(pixel $((wx + 20)) $((wy + 186)))" 42 111 208 || fail "PLAYER pressed after the drags is not shown"
[ "$(place)" = "330,160" ] || fail "a click on a key moved the window to $(place)"
stop_killed

# 5. The start-up offer to restore an interrupted session: the header drags the window, the
#    keypad below the dialog takes no click.
now=$(($(date +%s) * 1000))
printf 'S %d\nP 1 %d\nP 2 %d\n' $now $now $now >"$config/NoxBaccarat/session.journal"
start 0
import -window root -crop "430x720+330+160" +repage "$out/window-03-restore-offer.png"
drag 120 20 -100 -60
[ "$(place)" = "230,100" ] || fail "with the restore offer open, the header dragged the window to $(place)"
IFS=, read -r wx wy <<<"$(place)"
before=$(tasks)
xdotool mousemove --sync $((wx + 344)) $((wy + 672)) click 1
sleep 0.8
[ "$(tasks)" = "$before" ] || fail "a key below the restore offer played"
stop_killed

if grep -E 'Error, while creating popup|is not a type|is not defined|Cannot read property|unavailable' \
    "$out/window-check.log"; then
    fail "QML errors in the application's log"
fi
echo "window checks: $failures failure(s)"
[ "$failures" = 0 ]
