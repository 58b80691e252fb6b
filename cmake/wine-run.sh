#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross build (CMake's CMAKE_CROSSCOMPILING_EMULATOR):
# the data generator during the build, the tests under ctest. The prefix and the Windows Qt are
# those of scripts/windows.sh; the mingw runtime DLLs and Qt's DLLs are found through WINEPATH.
set -euo pipefail
cache="${NOX_WINDOWS_CACHE:-$HOME/.cache/nox-windows}"
qt="${NOX_WINDOWS_QT:-$cache/qt6-win}"
export WINEPREFIX="${WINEPREFIX:-$cache/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install dialogs when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpath=""
for d in "$gcc_dir" /usr/x86_64-w64-mingw32/lib "$qt/bin"; do
    d=$(realpath -m "$d")
    winpath="${winpath:+$winpath;}Z:${d//\//\\}"
done
export WINEPATH="$winpath${WINEPATH:+;$WINEPATH}"
if [ ! -d "$WINEPREFIX" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true
fi
# The prefix's server, started on its own with no output: one started by the program would
# inherit its standard output and error, and whoever reads them (ctest) would wait for the
# server to end. It stays 10 s after its last program.
wineserver -p10 </dev/null >/dev/null 2>&1 || true
# QtTest's report, written from Qt's DLL, does not reach a redirected standard output under
# Wine: a test without -o writes it to a file, printed once it ends.
prog=$(basename "$1")
if [[ "$prog" == tst_*.exe ]] && [[ " ${*:2} " != *" -o "* ]]; then
    report=$(mktemp --suffix=.txt)
    status=0
    wine "$1" -o "Z:${report//\//\\},txt" "${@:2}" || status=$?
    cat "$report"
    rm -f "$report"
    exit "$status"
fi
exec wine "$@"
