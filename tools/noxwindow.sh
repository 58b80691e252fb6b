# Sourced by the tools scripts that drive the application on an X server.

# Waits up to 15 s for the application's window and sets `wid` to it (empty when it did not
# appear, and the status is then 1).
nox_wait_window() {
    wid=""
    for _ in $(seq 150); do
        wid=$(xdotool search --name '^Baccarat$' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && return 0
        sleep 0.1
    done
    return 1
}
