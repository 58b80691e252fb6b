#!/usr/bin/env bash
# Cross-compiles the Windows user input with mingw-w64 and checks that the program imports
# the user32 calls it relies on. Usage: wininput_check.sh <source dir> <work dir> <qt include dir>
set -euo pipefail
src=$1
work=$2
qtinc=$3
cxx=x86_64-w64-mingw32-g++-posix
command -v "$cxx" >/dev/null || { echo "wininput_check: $cxx not installed" >&2; exit 1; }
mkdir -p "$work"
"$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Wshadow -Werror -O1 -DQT_NO_VERSION_TAGGING \
    -I"$src" -I"$qtinc" -I"$qtinc/QtCore" \
    "$src/input/noxinput.cpp" "$src/input/platform/noxwininput.cpp" \
    "$src/tests/wincheck/wininput_check.cpp" \
    -static -luser32 -o "$work/wininput_check.exe"
imports=$(x86_64-w64-mingw32-objdump -p "$work/wininput_check.exe")
for fn in GetCursorPos SetCursorPos SendInput GetAsyncKeyState; do
    if ! grep -q "\b$fn\b" <<<"$imports"; then
        echo "wininput_check: $fn is not imported" >&2
        exit 1
    fi
done
echo "wininput_check: user32 input builds and imports GetCursorPos SetCursorPos SendInput GetAsyncKeyState"
