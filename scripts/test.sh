#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite with ctest.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "${NOX_BUILD_DIR:-$top/build}"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j"$(nproc)" "$@"
