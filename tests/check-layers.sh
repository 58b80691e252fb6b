#!/usr/bin/env bash
# Fails when a source file includes a folder of a higher layer (or a sibling of its own layer).
# The layers, lowest first; a folder may include its own files and those of lower layers.
#   0 core          the vocabulary: domain types, method base and state, settings store
#   1 input         the user input interface and its platform implementations
#   2 methods money calibration roads
#   3 engine autobet
#   4 sim archive   the backtester's core (the risk estimate of the settings plays through it);
#                   the archive of the sessions played
#   5 ui tools
#   6 app
set -euo pipefail
top=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)
declare -A rank=([core]=0 [input]=1 [methods]=2 [money]=2 [calibration]=2 [roads]=2 [engine]=3
                 [autobet]=3 [sim]=4 [archive]=4 [ui]=5 [tools]=5 [app]=6)
bad=0
checked=0
for folder in "${!rank[@]}"; do
    [ -d "$top/$folder" ] || continue
    while IFS= read -r -d '' file; do
        checked=$((checked + 1))
        while IFS=: read -r line target; do
            [ -n "${rank[$target]+set}" ] || continue
            if [ "$target" != "$folder" ] && [ "${rank[$target]}" -ge "${rank[$folder]}" ]; then
                echo "${file#"$top"/}:$line: $folder (layer ${rank[$folder]}) includes $target (layer ${rank[$target]})"
                bad=$((bad + 1))
            fi
        done < <(awk 'match($0, /^[ \t]*#[ \t]*include[ \t]*"[a-z]+\//) {
                          t = substr($0, RSTART, RLENGTH); sub(/.*"/, "", t); sub(/\/$/, "", t)
                          print FNR ":" t }' "$file")
    done < <(find "$top/$folder" \( -name '*.h' -o -name '*.cpp' \) -print0)
done
if [ "$checked" -eq 0 ]; then
    echo "check-layers: no sources under $top" >&2
    exit 2
fi
if [ "$bad" -gt 0 ]; then
    echo "check-layers: $bad include(s) cross a layer upward" >&2
    exit 1
fi
echo "check-layers: $checked files, every include goes down the layers"
