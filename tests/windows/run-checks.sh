#!/usr/bin/env bash
# Every check of the Windows build under Wine, on a fresh prefix (scripts/windows.sh runs this;
# ctest -L windows runs the same checks one test each).
#
#   run-checks.sh SOURCE_DIR CACHE_DIR
set -uo pipefail
top=$1
cache=$2
export NOX_WINDOWS_CACHE="$cache"
check="$top/tests/windows/check.sh"
logs="$cache/checks/logs"
rm -rf "$logs"
mkdir -p "$logs"
passed=0
failed=()
for c in prefix model "noxsim $cache/nox-linux/tools/noxsim/noxsim" settings sendinput; do
    name=${c%% *}
    t0=$SECONDS
    # shellcheck disable=SC2086 # the check and its argument
    if "$check" $c >"$logs/$name.log" 2>&1; then
        passed=$((passed + 1))
        status=passed
    else
        failed+=("$name")
        status=FAILED
    fi
    echo "checks: $name $status in $((SECONDS - t0)) s; $(grep -E 'tests passed|cases byte-identical|PASS|Totals|check: ' "$logs/$name.log" | tail -n 2 | tr '\n' ' ')"
done
echo "checks: $passed of 5 passed (logs in $logs)"
if ((${#failed[@]})); then
    for name in "${failed[@]}"; do
        echo "--- $name" >&2
        tail -n 40 "$logs/$name.log" >&2
    done
    exit 1
fi
