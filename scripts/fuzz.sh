#!/usr/bin/env bash
# Builds the libFuzzer targets (one per parser) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each one over its seed corpus
# (tests/fuzz/corpus/<target>) for the time asked. New inputs go to a scratch directory, so the
# seed corpus in the repository never changes; a crashing input is kept as
# build-fuzz/crash-<target>-*. The seed is fixed so that a run is repeatable: a fault it finds is
# found again on the next run, and CI does not fail on a new random path.
#
# Each target runs for the whole time given (libFuzzer's -max_total_time); a cap on the number of
# inputs is set only when one is asked for, and the line printed for a target gives the inputs it
# ran and the time it really took, so a run that ends early says so.
#
#   scripts/fuzz.sh [seconds per target, default 10] [most inputs per target, default no limit]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOX_FUZZ_BUILD_DIR:-$top/build-fuzz}"
seconds="${1:-10}"
max_runs="${2:-}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { [ -n "$max_runs" ] && ! [[ "$max_runs" =~ ^[1-9][0-9]*$ ]]; }; then
    echo "usage: $0 [seconds per target] [most inputs per target]" >&2
    exit 2
fi
runs_option=()
[ -z "$max_runs" ] || runs_option=(-runs="$max_runs")
targets=(profile montantelibrary usermethods settings noxsimhistory)

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DNOX_SANITIZE=address -DNOX_FUZZ=ON -DBUILD_TESTING=OFF -DNOX_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" --target nox_fuzzers -- -j"$(nproc)" | { grep -vE '^\[[0-9]+/[0-9]+\] ' || true; }

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    started=$(date +%s%N)
    if ! "$build/tests/fuzz/fuzz_$target" -seed=1 "${runs_option[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$build/crash-$target-" "$work/$target" "$top/tests/fuzz/corpus/$target" \
        >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "fuzz_$target: FAILED (input kept under $build/crash-$target-*)"
        exit 1
    fi
    runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$work/$target.log" | grep -oE '[0-9]+$' || true)
    [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$work/$target.log" | tail -n 1 | tr -d '#')
    elapsed=$((($(date +%s%N) - started) / 100000000))
    took="$((elapsed / 10)).$((elapsed % 10))"
    if [ -n "$max_runs" ] && [ "${runs:-0}" -ge "$max_runs" ]; then
        echo "fuzz_$target: ${runs} inputs (the cap asked) in ${took}s of at most ${seconds}s, no fault"
    else
        echo "fuzz_$target: ${runs:-?} inputs in ${took}s (${seconds}s asked), no fault"
    fi
done
