#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite with ctest.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "${NOX_BUILD_DIR:-$top/build}"
export QT_QPA_PLATFORM=offscreen
# The checks of the Windows build under Wine (label windows) take long: run them with
# `ctest -L windows` in the build folder.
(($#)) || set -- -LE windows
ctest --output-on-failure -j"$(nproc)" "$@"
