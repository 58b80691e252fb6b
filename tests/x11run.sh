#!/usr/bin/env bash
# Runs one command under a private Xvfb server (1920x1080, 24 bits) with the openbox window
# manager, so tests that need a real X server (XTest clicks, window masks, rendering) run
# side by side without sharing a display. The server and the window manager end with it.
set -uo pipefail
tmp=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -ac 3>"$tmp/display" 2>"$tmp/xvfb.log" &
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
unset WAYLAND_DISPLAY

if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    # Wait until the window manager has taken the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

"$@"
