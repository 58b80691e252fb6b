#!/usr/bin/env bash
# Takes the screenshots of the settings screens and their dialogs, in French and in English,
# under a private X server: scripts/settings-screenshots.sh [output-directory [prefix]] (default
# shots/settings; with a prefix, only the shots whose name starts with it, e.g. "sessions").
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NOX_BUILD_DIR:-$top/build}"
out=${1:-$top/shots/settings}
cmake --build "$build" --target settingsshots >/dev/null
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" "$top/tests/x11run.sh" "$build/tests/settingsshots" "$out" "${2:-}"
echo "screenshots in $out"
