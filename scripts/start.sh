#!/usr/bin/env bash
# Sets up the machine, builds and starts the application.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
exec "${NOX_BUILD_DIR:-$top/build}/app/noxbaccarat" "$@"
