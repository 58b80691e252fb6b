#!/usr/bin/env bash
# Builds the tests with a sanitizer and runs them: scripts/sanitize.sh address|thread [ctest options]
# The fuzz case is left out: it makes and runs its own AddressSanitizer build (scripts/fuzz.sh).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind="${1:-address}"
build="$top/build-$kind"
"$top/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOX_SANITIZE="$kind" \
        -DNOX_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" | { grep -vE '^\[[0-9]+/[0-9]+\] ' || true; }
export QT_QPA_PLATFORM=offscreen
# die_after_fork=0: the X11 tests start xdotool and the stand-in table with QProcess.
export TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 suppressions=$top/tests/tsan.supp"
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
cd "$build"
status=0
ctest --output-on-failure -j"$(nproc)" -LE 'fuzz|x11|windows' "${@:2}" || status=1
# Under X11 the GL driver is unloaded before the leak check runs, which leaves its allocations
# without a module to name or suppress: those tests are checked for memory errors, not leaks.
ASAN_OPTIONS="detect_leaks=0" ctest --output-on-failure -j"$(nproc)" -L x11 "${@:2}" || status=1
exit $status
