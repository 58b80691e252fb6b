#!/usr/bin/env bash
# Screenshots of the scoreboard of the shoe (the big road above the method views and the Routes
# view) in the states a player meets: an empty shoe, ties only, a dragon tail, an ask shown, a
# long shoe. Run it on a display with a window manager; tests/x11run.sh gives a private one:
#
#     tests/x11run.sh tools/roads-screenshots.sh build/app/noxbaccarat shots-roads/
#
# NOX_SHOT_LANG (fr or en, default fr) chooses the language, NOX_SHOT_SCALE (1 or 2, default 1)
# the display scale; at 2 the server needs a screen of at least 860 x 1440:
#
#     NOX_SHOT_SCALE=2 NOX_XVFB_SCREENS=1920x1600x24 tests/x11run.sh tools/roads-screenshots.sh ...
#
# The shots are named <lang>-<scale>x-<step>.png. Exit code 0 when the window appeared and the
# log has no QML error. The settings live in a fresh temporary directory.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/noxwindow.sh"

app=${1:?usage: roads-screenshots.sh path/to/noxbaccarat output-directory}
out=${2:?usage: roads-screenshots.sh path/to/noxbaccarat output-directory}
lang=${NOX_SHOT_LANG:-fr}
scale=${NOX_SHOT_SCALE:-1}
mkdir -p "$out"
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    rm -rf "$config"
}
trap cleanup EXIT

case "$lang" in
en) export LANG=en_US.UTF-8 LANGUAGE=en LC_ALL= ;;
*) export LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL= ;;
esac
export QT_SCALE_FACTOR=$scale
log="$out/$lang-${scale}x-app.log"
"$app" >"$log" 2>&1 &
app_pid=$!

nox_wait_window || true
if [ -z "$wid" ]; then
    echo "FAIL: the window did not appear" >&2
    cat "$log" >&2
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$wid")" # X Y WIDTH HEIGHT
win_x=$X
win_y=$Y
sleep 1.5

# Positions on the 430 x 720 layout, multiplied by the scale.
click() { # x y [pause]
    xdotool mousemove $((win_x + $1 * scale)) $((win_y + $2 * scale)) sleep 0.05 click 1
    sleep "${3:-0.3}"
}
shot() {
    sleep 0.5
    import -window root -crop "${WIDTH}x${HEIGHT}+${win_x}+${win_y}" +repage "$out/$lang-${scale}x-$1.png"
}
key_y=672
mode_y=233
pro_x=44
routes_x=248
ask_y=568
ask_banker_x=50
ask_player_x=140
new_shoe_x=350
play() { # B, P or T, each a coup
    local r
    for r in "$@"; do
        case "$r" in
        B) click 344 $key_y 0.08 ;;
        P) click 85 $key_y 0.08 ;;
        T) click 215 $key_y 0.08 ;;
        esac
    done
    sleep 0.3
}

# 1. An empty shoe, on the play screen and in the Routes view.
shot 01-empty-pro
click $routes_x $mode_y
shot 02-empty-routes

# 2. A shoe of ties only.
play T T T
shot 03-ties-routes
click $pro_x $mode_y
shot 04-ties-pro

# 3. A new shoe, then a dragon tail: seven BANKER and seven PLAYER.
click $routes_x $mode_y
click $new_shoe_x $ask_y
play B B B B B B B P P P P P P P
shot 05-dragon-routes
click $pro_x $mode_y
shot 06-dragon-pro

# 4. A new shoe, B P P P B, and what a BANKER would add (two shots: the blinking cells on and
# dimmed), then a PLAYER.
click $routes_x $mode_y
click $new_shoe_x $ask_y
play B P P P B
shot 07-bpppb-routes
click $ask_banker_x $ask_y 0.1
import -window root -crop "${WIDTH}x${HEIGHT}+${win_x}+${win_y}" +repage "$out/$lang-${scale}x-08-ask-banker-a.png"
sleep 0.4
import -window root -crop "${WIDTH}x${HEIGHT}+${win_x}+${win_y}" +repage "$out/$lang-${scale}x-08-ask-banker-b.png"
click $ask_player_x $ask_y 0.1
shot 09-ask-player

# 5. A new shoe of 80 coups (ties, chops and runs).
sleep 3
click $new_shoe_x $ask_y
seq80="P B P B B T P P P B P B B B P T P P B P B B P P P P B T B P B B P B P P T B B B B B P P B P T B P P B B P B P B P P P T B B P B B P P B P B T B B P P B P B B P"
# shellcheck disable=SC2086 # one argument per coup
play $seq80
shot 10-long-routes
click $ask_player_x $ask_y 0.1
shot 11-long-ask-player
sleep 3
click $pro_x $mode_y
shot 12-long-pro

if grep -E 'Error, while creating popup|is not a type|is not defined|Cannot read property|unavailable|TypeError|ReferenceError' "$log"; then
    echo "FAIL: QML errors in the application's log" >&2
    exit 1
fi
echo "screenshots in $out"
