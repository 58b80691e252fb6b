#!/usr/bin/env bash
# The checks of the Windows build (scripts/windows.sh) under Wine. One check per call:
#
#   check.sh prefix                 a fresh Wine prefix for the checks
#   check.sh model                  the Windows model tests (ctest labels unit and model)
#   check.sh noxsim LINUX_NOXSIM    noxsim.exe against the Linux noxsim: byte-identical outputs
#   check.sh settings               the engine's files at their Windows place, read back
#   check.sh sendinput              a click through SendInput on a window, on a private X server
#
# Exit code 77 (ctest's skip) when the Windows build is not there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../.." && pwd)
cache="${NOX_WINDOWS_CACHE:-}"
[ -n "$cache" ] || cache="$HOME/.cache/nox-windows"
export NOX_WINDOWS_CACHE="$cache"
build="$cache/nox-build"
export NOX_WINDOWS_QT="$cache/qt6-win"
export WINEPREFIX="$cache/wineprefix-checks"
export WINEDEBUG=-all
wine_run="$top/cmake/wine-run.sh"
work="$cache/checks"

if [ ! -f "$build/noxsim.exe" ] || ! command -v wine >/dev/null 2>&1; then
    echo "check: no Windows build in $build (run scripts/windows.sh) or no Wine: skipped"
    exit 77
fi
mkdir -p "$work"

check=${1:?check name}
shift

# A new prefix: wineboot makes it, wineserver -w waits until it is written.
fresh_prefix() {
    rm -rf "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "check: wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
    echo "check: fresh Wine prefix $WINEPREFIX ($(wine --version))"
}

case "$check" in
prefix)
    fresh_prefix
    ;;

model)
    # The Windows build's ctest runs each test through cmake/wine-run.sh.
    ctest --test-dir "$build" -L 'unit|model' --output-on-failure --timeout 900 -j2 "$@"
    ;;

noxsim)
    linux=${1:?the Linux noxsim}
    "$here/noxsim-compare.sh" "$linux" "$build/noxsim.exe" "$work/noxsim" "$top/tests/data"
    ;;

settings)
    "$wine_run" "$build/tst_winsettings.exe"
    # From the Linux side: the files are in the prefix's roaming application data of the user.
    dir=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/NoxWinCheck 2>/dev/null | head -n 1)
    [ -n "$dir" ] || { echo "check: no NoxWinCheck folder in the prefix's AppData/Roaming" >&2; exit 1; }
    for f in engine.ini methodes_par_defaut.txt montantes.dat; do
        [ -s "$dir/$f" ] || { echo "check: $dir/$f is missing" >&2; exit 1; }
    done
    echo "check: the engine's files are in ${dir#"$WINEPREFIX"/}: $(ls "$dir" | tr '\n' ' ')"
    ;;

sendinput)
    # A prefix of its own, made under the private X server, so that Wine's desktop process
    # belongs to that server; stopped at the end, before the server goes.
    export WINEPREFIX="$cache/wineprefix-x11"
    "$top/tests/x11run.sh" bash -c '
        set -e
        rm -rf "$WINEPREFIX"
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || true
        wineserver -w
        status=0
        "$0" "$1" || status=$?
        wineserver -k || true
        exit $status' "$wine_run" "$build/tst_winsendinput.exe"
    ;;

*)
    echo "check: unknown check $check" >&2
    exit 2
    ;;
esac
