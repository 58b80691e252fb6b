#!/usr/bin/env bash
# Runs the Linux noxsim and the Windows noxsim.exe (under Wine) on the same options and inputs
# and compares, byte for byte, what each wrote: the standard output, the standard error, the exit
# code and every file (--json, --csv, merge). Both read the same input files by relative paths.
#
#   noxsim-compare.sh LINUX_NOXSIM WINDOWS_NOXSIM_EXE WORK_DIR TEST_DATA_DIR
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
work=$3
data=$(realpath "$4")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run="$here/../../cmake/wine-run.sh"

rm -rf "$work"
mkdir -p "$work/inputs"
inputs="$work/inputs"

# The inputs: the test data's history, a longer one of 30 shoes drawn by a fixed generator
# (with a comment, a blank line between shoes and a tie spelled out), and the archive's history.
cp "$data/history.txt" "$inputs/history.txt"
cp "$data/archive-session.txt" "$inputs/archive-session.txt"
awk 'BEGIN {
    x = 12345; print "# thirty shoes";
    for (s = 0; s < 30; s++) {
        if (s) print "";
        for (i = 0; i < 70; i++) {
            x = (x * 1103515245 + 12345) % 2147483648;
            r = int(x / 65536) % 100;
            print (r < 10 ? (i % 7 ? "T" : "tie") : (r < 55 ? "B" : "P"));
        }
    }
}' >"$inputs/shoes30.txt"

cases=0
failed=0

# run NAME ARGS...: runs both programs in fresh folders holding the inputs, then compares.
run() {
    local name=$1
    shift
    local l="$work/linux/$name" w="$work/windows/$name"
    mkdir -p "$l" "$w"
    cp "$inputs"/* "$l/"
    cp "$inputs"/* "$w/"
    # Shards of an earlier case, for merge.
    if [ -n "${SHARDS_FROM:-}" ]; then
        cp "$work/linux/$SHARDS_FROM"/shard-*.json "$l/"
        cp "$work/windows/$SHARDS_FROM"/shard-*.json "$w/"
    fi
    local lrc=0 wrc=0
    (cd "$l" && "$linux" "$@" >stdout.txt 2>stderr.txt) || lrc=$?
    # noxsim writes Qt's messages to stderr itself: no console is needed for them, as here
    # under Wine from a script.
    (cd "$w" && "$wine_run" "$windows" "$@" >stdout.txt 2>stderr.txt) || wrc=$?
    # The system's words for a missing file are its own.
    if [ -n "${OS_ERROR:-}" ]; then
        sed -i 's/: No such file or directory$/: <missing file>/' "$l/stderr.txt"
        sed -i 's/: File not found\.$/: <missing file>/' "$w/stderr.txt"
    fi
    echo "$lrc" >"$l/exit-code"
    echo "$wrc" >"$w/exit-code"
    cases=$((cases + 1))
    local bad=0
    # Every file either side has, so that a file written by one side only is caught too.
    local files
    files=$( (cd "$l" && find . -type f; cd "$w" && find . -type f) | sort -u)
    while IFS= read -r f; do
        if ! cmp -s "$l/$f" "$w/$f"; then
            echo "noxsim-compare: $name: $f differs" >&2
            diff <(od -c "$l/$f" 2>/dev/null | head -n 20) <(od -c "$w/$f" 2>/dev/null | head -n 20) >&2 || true
            bad=1
        fi
    done <<<"$files"
    local n
    n=$(wc -l <<<"$files")
    if ((bad)); then
        failed=$((failed + 1))
        echo "noxsim-compare: FAIL $name"
    else
        echo "noxsim-compare: same  $name ($n files, exit code $lrc, $(wc -c <"$l/stdout.txt") bytes of output)"
    fi
}

common=(--jobs 2 --quiet)
run dealt-bankroll --shoes 200 --seed 7 --method BANKER --method "AUTO Hawks" \
    --montante cs="Martingale classique (commune)" --chip cs=5 --capital 1000 --stop-loss 200 \
    --take-profit 300 --top 10 --json result.json --csv table.csv "${common[@]}"
run dealt-all-json --shoes 60 --seed 11 --all --json result.json "${common[@]}"
run dealt-guards --shoes 80 --seed 3 --all --losing-streak 4 --session-minutes 30 --max-stake 40 \
    --json result.json "${common[@]}"
run roulette --game roulette --shoes 40 --spins 120 --seed 5 --all --json result.json --csv table.csv "${common[@]}"
run history --method BANKER --method PLAYER --json result.json --csv table.csv "${common[@]}" shoes30.txt
run history-small --all --json result.json "${common[@]}" history.txt
run history-archive --all --json result.json "${common[@]}" archive-session.txt
run roads roads shoes30.txt
run list-methods --list-methods
run list-montantes --list-montantes
run bad-option --shoes 10 --no-such-option
OS_ERROR=1 run bad-history --all "${common[@]}" missing.txt
for k in 1 2 3; do
    run "shard-$k" --shoes 90 --seed 9 --all --shard "$k/3" --json "shard-$k.json" "${common[@]}"
done
# The shards of each side together, then merged.
mkdir -p "$work/linux/shards" "$work/windows/shards"
for k in 1 2 3; do
    cp "$work/linux/shard-$k/shard-$k.json" "$work/linux/shards/"
    cp "$work/windows/shard-$k/shard-$k.json" "$work/windows/shards/"
done
SHARDS_FROM=shards run merge merge shard-1.json shard-2.json shard-3.json --top 15 --json run.json
run whole --shoes 90 --seed 9 --all --json run.json "${common[@]}"
# The merge of the shards is the whole run.
if ! cmp -s "$work/windows/merge/run.json" "$work/windows/whole/run.json"; then
    echo "noxsim-compare: the merged shards differ from the whole run" >&2
    failed=$((failed + 1))
fi
SHARDS_FROM=shards run merge-missing merge shard-1.json shard-3.json

echo "noxsim-compare: $((cases - failed)) of $cases cases byte-identical"
((failed == 0))
