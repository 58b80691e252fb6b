#!/usr/bin/env bash
# Plays as a player does (a chip and a progression changed in "Gestion Financière", three
# methods switched on in the Quick view, coups on the keypad), kills the assistant with SIGKILL,
# starts it again on the same settings, accepts the restore offer ("Restaurer") and checks that
# the play screen comes back as it was and that the settings on disk hold what was changed.
# Two rounds: a kill after everything was written (1.5 s later), and a kill right after a coup.
#
#     tests/x11run.sh tools/crash-restore.sh build/app/noxbaccarat shots/
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/noxwindow.sh"

app=${1:?usage: crash-restore.sh path/to/noxbaccarat output-directory}
out=${2:?usage: crash-restore.sh path/to/noxbaccarat output-directory}
mkdir -p "$out"
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
dir="$config/NoxBaccarat"
failures=0
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    rm -rf "$config"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Layout of the 430 x 720 window (see screenshots.sh).
key_y=672
player_x=85
tie_x=215
banker_x=344
mode_y=233
pro_x=47
quick_x=121
settings_x=340
header_y=20

start_app() { # log-name
    "$app" >>"$out/$1.log" 2>&1 &
    app_pid=$!
    nox_wait_window || true
    if [ -z "$wid" ]; then
        cat "$out/$1.log" >&2
        fail "the window did not appear"
        echo "crash restore: $failures failure(s)"
        exit 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$wid")" # X Y WIDTH HEIGHT
    win_x=$X
    win_y=$Y
}
screen_pixel() { # x y, relative to the window -> "r,g,b" on the screen
    local x=$((win_x + $1)) y=$((win_y + $2))
    convert x:root -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info: 2>/dev/null
}
wait_for_color() { # x y r g b: waits up to 20 s for that colour at that point of the window
    for _ in $(seq 100); do
        is_color "$(screen_pixel "$1" "$2")" "$3" "$4" "$5" && return 0
        sleep 0.2
    done
    return 1
}
kill_app() {
    kill -9 "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}
click() { # x y, relative to the window
    xdotool mousemove --sync $((win_x + $1)) $((win_y + $2)) click 1
    sleep 0.4
}
shot() { # name
    sleep 0.6 # transitions are 400 ms
    import -window root -crop "430x720+${win_x}+${win_y}" +repage "$out/$1.png"
}
away() { # the pointer off the window, so that no hover or tooltip shows in a screenshot
    xdotool mousemove --sync $((win_x + 600)) $((win_y + 360))
}
pixel() { # file x y -> "r,g,b"
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
is_color() { # "r,g,b" expected-r expected-g expected-b
    local r g b
    IFS=, read -r r g b <<<"$1"
    [ $((r > $2 - 30 && r < $2 + 30 && g > $3 - 30 && g < $3 + 30 && b > $4 - 30 && b < $4 + 30)) = 1 ]
}
differing() { # a.png b.png diff.png -> the number of pixels that differ by more than 5 %
    compare -metric AE -fuzz 5% "$1" "$2" "$3" 2>&1 >/dev/null | grep -o '^[0-9.e+]*'
}

# Starts the assistant again on the same settings and accepts the restore offer.
restore() { # round-name
    [ -f "$dir/session.journal" ] || fail "$1: no session journal was left by the killed program"
    start_app "$1-restart"
    # The offer ("Session interrompue") dims the screen; its "Restaurer" button is gold.
    wait_for_color 359 415 217 177 90 || fail "$1: the restore offer did not appear"
    shot "$1-offer"
    # The offer's title bar sits above the play screen's dashboard: its buttons at y 424.
    click 359 424
    away
    wait_for_color 200 4 14 22 19 || fail "$1: the offer did not close"
    sleep 1.5
    [ -f "$dir/session.journal.interrupted" ] && fail "$1: session.journal.interrupted remains after the restore"
}

# Round 1: a player's evening, then a kill once everything is on disk.
start_app first
# The first frame: the header shows the window's background colour.
wait_for_color 200 4 14 22 19 || fail "the play screen was not drawn"
sleep 1
click $settings_x $header_y
click 200 70                        # "Gestion Financière"
type_in() { # x y text: replaces the text of a number field
    click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 50 "$3"
    xdotool key Return
    sleep 0.4
}
type_in 345 244 1                   # "Jeton de départ" 1.00: cs\jeton=100 on disk
type_in 345 187 2.5                 # "Jeton actuel" 2.50: in the journal only
click 215 139                       # "Montante"
click 73 220                        # "Masse égale"
shot 01-financial
click 22 $header_y                  # back to the play screen
click $quick_x $mode_y
click 40 396                        # PLAYER
click 177 396                       # BANKER
click 315 396                       # AUTO Hawks
shot 02-quick
click $pro_x $mode_y
for x in $banker_x $player_x $player_x $banker_x $tie_x $banker_x $banker_x $player_x $banker_x \
    $player_x $player_x $banker_x $tie_x $banker_x $player_x; do
    click "$x" $key_y
done
away
sleep 1.5
shot 03-before-kill
cp "$dir/engine.ini" "$out/engine-before-kill.ini"
kill_app
restore 04
shot 05-restored
n=$(differing "$out/03-before-kill.png" "$out/05-restored.png" "$out/05-diff.png")
echo "round 1: play screen before the kill and after the restore: ${n:-?} pixel(s) differ (fuzz 5 %)"
[ "${n:-1}" = 0 ] || fail "round 1: the restored play screen differs from the one before the kill (${n:-?} pixels, $out/05-diff.png)"
ini="$dir/engine.ini"
for line in 'cs\jeton=100' 'cs\montante=Masse égale' 'player\active=true' 'banker\active=true' \
    'auto-hawks\active=true'; do
    grep -qxF "$line" "$ini" && echo "engine.ini holds $line" || fail "engine.ini lacks $line"
done
active=$(grep -c '\\active=true$' "$ini")
[ "$active" = 3 ] || fail "engine.ini has $active methods switched on, expected 3"

# Round 2: three more coups, the last one killed at once (no wait). The journal line is flushed
# before the screen changes, so the restore must show that last BANKER too.
click $player_x $key_y
click $tie_x $key_y
away
shot 06-before-last-coup
xdotool mousemove --sync $((win_x + banker_x)) $((win_y + key_y)) click 1
kill_app
round1_failures=$failures
restore 07
shot 08-restored
# The played strip: 28 px marks from x = 12, 4 px apart, sampled beside the letter at y 186.
is_color "$(pixel "$out/08-restored.png" 20 186)" 197 54 63 || fail "round 2: the last coup (BANKER) is not back"
for i in 0 1 2 3 4 5 6 7 8 9 10; do
    before=$(pixel "$out/06-before-last-coup.png" $((20 + 32 * i)) 186)
    after=$(pixel "$out/08-restored.png" $((52 + 32 * i)) 186)
    # The newest mark has a ring and a slightly lighter colour: compare within 30 per channel.
    IFS=, read -r r g b <<<"$before"
    is_color "$after" "$r" "$g" "$b" || fail "round 2: result $((i + 2)) of the strip is $after, it was $before"
done
[ "$failures" = "$round1_failures" ] && echo "round 2: the BANKER killed at once is back, the 11 results before it moved by one"
kill_app

echo "crash restore: $failures failure(s)"
[ "$failures" = 0 ]
