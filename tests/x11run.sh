#!/usr/bin/env bash
# Runs one command under a private Xvfb server (1920x1080, 24 bits) with the openbox window
# manager, so tests that need a real X server (XTest clicks, window masks, rendering) run
# side by side without sharing a display. The server and the window manager end with it.
#
# NOX_XVFB_SCREENS lists the X screens to give the server, each as WIDTHxHEIGHTxDEPTH (default
# "1920x1080x24"); with several, DISPLAY names the first (:N.0) and the others are :N.1, ...
set -uo pipefail
tmp=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    # shellcheck disable=SC2086 # one pid per screen
    [ -n "$wm_pid" ] && kill $wm_pid 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

screens=()
index=0
for screen in ${NOX_XVFB_SCREENS:-1920x1080x24}; do
    screens+=(-screen "$index" "$screen")
    index=$((index + 1))
done
Xvfb -displayfd 3 "${screens[@]}" -nolisten tcp -ac 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
    echo "x11run: Xvfb did not start" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb
# An X11 session of its own, whatever the desktop that runs the tests.
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11

if command -v openbox >/dev/null 2>&1; then
    # One window manager per X screen (openbox manages the screen DISPLAY names).
    for ((n = 0; n < index; n++)); do
        DISPLAY="${DISPLAY}.$n" openbox --sm-disable >/dev/null 2>&1 &
        wm_pid="$wm_pid $!"
        # Wait until the window manager has taken the root window.
        for _ in $(seq 100); do
            DISPLAY="${DISPLAY}.$n" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
            sleep 0.05
        done
    done
fi

"$@"
