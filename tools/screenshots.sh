#!/usr/bin/env bash
# Drives the assistant under X11 with xdotool and takes a screenshot of each step with
# ImageMagick's `import`, then checks what a machine can check: the window is 430 x 720 and has
# no frame, its corners show the desktop (rounded mask), and the played results hold what was
# pressed. Run it on a display with a window manager (tests/x11run.sh gives a private one):
#
#     tests/x11run.sh tools/screenshots.sh build/app/noxbaccarat shots/
#
# Exit code 0 when every check passes. The settings live in a fresh temporary directory.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/noxwindow.sh"

app=${1:?usage: screenshots.sh path/to/noxbaccarat output-directory}
out=${2:?usage: screenshots.sh path/to/noxbaccarat output-directory}
mkdir -p "$out"
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
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

"$app" >"$out/app.log" 2>&1 &
app_pid=$!

nox_wait_window || true
if [ -z "$wid" ]; then
    echo "FAIL: the window did not appear" >&2
    cat "$out/app.log" >&2
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$wid")" # X Y WIDTH HEIGHT
win_x=$X
win_y=$Y

# Layout of the play screen at 430 x 720 (AppPage header 40, dashboard 130, played strip 30,
# mode bar 34, big road 66, buttons 34 and keypad 72 at the bottom, 12 px margins, 8 px spacing).
click() { # x y, relative to the window
    xdotool mousemove --sync $((win_x + $1)) $((win_y + $2)) click 1
    sleep 0.4
}
shot() {
    sleep 0.6 # transitions are 400 ms
    import -window root -crop "430x720+${win_x}+${win_y}" +repage "$out/$1.png"
}
pixel() { # file x y -> "r,g,b"
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# Wait for the first frame: the header shows the window's background colour.
for _ in $(seq 100); do
    [ "$(convert x:root -format "%[fx:int(255*p{$((win_x + 200)),$((win_y + 4))}.r)]" info: 2>/dev/null)" = 14 ] && break
    sleep 0.2
done
sleep 0.5

key_y=672
player_x=85
tie_x=215
banker_x=344
undo_x=61
mode_y=233
pro_x=47
quick_x=121
split_x=195
chart_toggle_x=402
settings_x=340
header_y=20

# 1. Geometry and frame.
[ "$WIDTH" = 430 ] && [ "$HEIGHT" = 720 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 430x720"
frame=$(xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ' ')
case "$frame" in
"" | "0,0,0,0") ;;
*) fail "the window has a frame ($frame)" ;;
esac
shot 01-start

# 2. Transparent corners: the corner pixel shows the desktop, the header the window.
import -window root "$out/desktop.png"
desk=$(pixel "$out/desktop.png" 2 2)
corner=$(pixel "$out/desktop.png" "$win_x" "$win_y")
inside=$(pixel "$out/desktop.png" $((win_x + 20)) $((win_y + 4)))
[ "$corner" = "$desk" ] || fail "top-left corner is $corner, the desktop is $desk"
[ "$inside" != "$desk" ] || fail "the window's header looks like the desktop ($inside)"
corner=$(pixel "$out/desktop.png" $((win_x + 429)) $((win_y + 719)))
[ "$corner" = "$desk" ] || fail "bottom-right corner is $corner, the desktop is $desk"
rm -f "$out/desktop.png"

# 3. PLAYER, BANKER, TIE, then undo the TIE: the history is P, B (newest first: B, P).
click $player_x $key_y
shot 02-player
click $banker_x $key_y
click $tie_x $key_y
shot 03-player-banker-tie
click $undo_x 611
shot 04-undo

# The played strip: 28 px marks from x = 12, 4 px apart, y 179 to 207 (sampled beside the
# letter).
first=$(pixel "$out/04-undo.png" 20 186)
second=$(pixel "$out/04-undo.png" 52 186)
third=$(pixel "$out/04-undo.png" 84 186)
is_color() { # "r,g,b" expected-r expected-g expected-b
    local r g b
    IFS=, read -r r g b <<<"$1"
    [ $((r > $2 - 30 && r < $2 + 30 && g > $3 - 30 && g < $3 + 30 && b > $4 - 30 && b < $4 + 30)) = 1 ]
}
is_color "$first" 197 54 63 || fail "newest result is $first, expected BANKER red"
is_color "$second" 42 111 208 || fail "second result is $second, expected PLAYER blue"
is_color "$third" 30 138 82 && fail "the undone TIE is still shown"
is_color "$third" 42 111 208 && fail "a third result is shown"
is_color "$third" 197 54 63 && fail "a third result is shown"

# A dozen more coups, so that the method lists and the charts have something to show.
for x in $banker_x $banker_x $player_x $tie_x $banker_x $player_x $player_x $banker_x $banker_x \
    $player_x $banker_x $player_x; do
    click "$x" $key_y
done

# 4. The three views and the profit chart.
click $quick_x $mode_y
shot 05-quick
click $split_x $mode_y
shot 06-split
click $pro_x $mode_y
shot 07-pro
click $chart_toggle_x $mode_y
shot 08-profit-chart
click $chart_toggle_x $mode_y

# 5. The chart dialog of the first method of the Pro list, then Escape.
click 371 433
shot 09-chart-dialog
xdotool key Escape
sleep 0.4

# 6. The settings page, then back.
click $settings_x $header_y
shot 10-settings
click 22 $header_y
shot 11-back-home

# 7. "Miser" held: the CTRL warning, then released.
xdotool mousemove --sync $((win_x + 355)) $((win_y + 105)) mousedown 1
shot 12-bet-warning
xdotool mouseup 1
sleep 0.5
shot 13-after-bet

if grep -E 'Error, while creating popup|is not a type|is not defined|Cannot read property|unavailable' "$out/app.log"; then
    fail "QML errors in the application's log"
fi
if ! kill -0 "$app_pid" 2>/dev/null; then
    fail "the application ended during the run"
    cat "$out/app.log" >&2
fi
echo "screenshots in $out, $failures failure(s)"
[ "$failures" = 0 ]
