#!/usr/bin/env bash
# Starts the assistant with damaged files where it keeps its settings (application and engine
# settings, progression library, a visibility profile, a torn session journal) and checks that
# it reaches the play screen, reports the damage, and keeps every damaged file for the player.
#
#     tests/x11run.sh tools/damaged-start.sh build/app/noxbaccarat shots/
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/noxwindow.sh"

app=${1:?usage: damaged-start.sh path/to/noxbaccarat output-directory}
out=${2:?usage: damaged-start.sh path/to/noxbaccarat output-directory}
mkdir -p "$out"
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
dir="$config/NoxBaccarat"
mkdir -p "$dir"
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

# A section header that never closes is a format error for Qt's INI reader.
printf '[financial\ncapital=12345\n\x01\x02garbage\n' >"$dir/engine.ini"
printf '[window\nwindowX=??\n' >"$dir/Baccarat Vantor Pro.ini"
printf 'NOT A LIBRARY\n\x00\xff\xfe' >"$dir/montantes.dat"
printf '\x07\x07\x07' >"$dir/soir.pfl"
# An evening cut short: three results, the last line torn.
now=$(($(date +%s) * 1000))
printf 'S %d\nP 1 %d\nP 2 %d\nP 0 %d\nP 1' $now $now $now $now >"$dir/session.journal"
cp "$dir/engine.ini" "$out/engine.ini.orig"

"$app" >"$out/damaged.log" 2>&1 &
app_pid=$!
nox_wait_window || true
[ -n "$wid" ] || { cat "$out/damaged.log" >&2; fail "the window did not appear"; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$wid")"
import -window root -crop "430x720+${X}+${Y}" +repage "$out/20-damaged-start.png"

kill -0 "$app_pid" 2>/dev/null || fail "the application ended"
grep -q 'Cannot read property\|is not a type\|failed to load' "$out/damaged.log" && fail "QML errors in the log"
# Qt's INI reader takes what it can from such a file (no format error): when it does flag one,
# the copy kept aside must be the original.
if [ -f "$dir/engine.ini.damaged" ]; then
    cmp -s "$dir/engine.ini.damaged" "$out/engine.ini.orig" || fail "the kept engine settings differ from the original"
fi
[ -f "$dir/montantes.dat.damaged" ] || fail "the damaged progression library was not kept aside"
[ -f "$dir/soir.pfl" ] || fail "the profile was removed"
grep -q 'Progression library not loaded' "$out/damaged.log" || fail "the library damage was not reported"

# The offer to restore the interrupted session lies above the report of damaged files: accept
# it ("Restaurer"). The journal holds results only (as an older version wrote them), so the
# restore says that the money was recomputed: close that notice and the report below it with
# Escape, and check that the three results of the journal are back, newest first: TIE, BANKER,
# PLAYER.
xdotool mousemove --sync $((X + 359)) $((Y + 424)) click 1
sleep 1
import -window root -crop "430x720+${X}+${Y}" +repage "$out/21-restore-offer.png"
xdotool key Escape
sleep 1
xdotool key Escape
sleep 1
import -window root -crop "430x720+${X}+${Y}" +repage "$out/22-restored.png"
pixel() { # file x y -> "r,g,b"
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
is_color() { # "r,g,b" expected-r expected-g expected-b
    local r g b
    IFS=, read -r r g b <<<"$1"
    [ $((r > $2 - 30 && r < $2 + 30 && g > $3 - 30 && g < $3 + 30 && b > $4 - 30 && b < $4 + 30)) = 1 ]
}
is_color "$(pixel "$out/22-restored.png" 20 186)" 30 138 82 || fail "newest restored result is not TIE green"
is_color "$(pixel "$out/22-restored.png" 52 186)" 197 54 63 || fail "second restored result is not BANKER red"
is_color "$(pixel "$out/22-restored.png" 84 186)" 42 111 208 || fail "third restored result is not PLAYER blue"
[ -f "$dir/session.journal.interrupted" ] && fail "the interrupted journal is still offered"

echo "damaged start: $failures failure(s)"
[ "$failures" = 0 ]
