#!/usr/bin/env bash
# Configures and builds the project in build/ (Release with debug info, Ninja).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOX_BUILD_DIR:-$top/build}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" | { grep -vE '^\[[0-9]+/[0-9]+\] ' || true; }
