#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine: Debian packages, the npm
# packages of the screens and the earcut header. Safe to run again: it only acts on what is
# missing and stays quiet when everything is there.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache="$top/.cache"

apt_packages=(
    # build
    cmake ninja-build g++ ccache clang-format pkg-config
    # the libFuzzer build of the parsers
    clang libclang-rt-14-dev
    # Qt 6.4 and its tools
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools qt6-5compat-dev
    qt6-shadertools-dev qt6-shader-baker qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
    qt6-qpa-plugins qt6-qmllint-plugins qt6-svg-dev
    # the archive of the sessions: Qt SQL's SQLite driver
    libqt6sql6-sqlite
    # QML modules used by the screens and the QML tests
    qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript qml6-module-qtquick
    qml6-module-qtquick-controls qml6-module-qtquick-templates qml6-module-qtquick-layouts
    qml6-module-qtquick-window qml6-module-qtquick-dialogs qml6-module-qtquick-shapes
    qml6-module-qtcore qml6-module-qt-labs-settings qml6-module-qt-labs-folderlistmodel
    qml6-module-qt5compat-graphicaleffects qml6-module-qttest
    # X11 input backend and the tests that drive a real X server
    libx11-dev libxtst-dev libxi-dev xvfb xauth xdotool x11-utils imagemagick openbox
    # Windows input backend compile check
    mingw-w64
    # benchmarks
    libbenchmark-dev
    # noxsim runs spread over several machines
    parallel
    # fonts shipped in the resources
    fonts-open-sans fonts-dejavu-core
    # npm for the icon set
    nodejs
)

missing=()
for p in "${apt_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "setup: installing ${#missing[@]} Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Icons: the Material Symbols SVG set from npm; the build copies only the icons the screens use.
icons="$cache/npm/node_modules/@material-symbols/svg-400"
if [ ! -d "$icons" ]; then
    if command -v npm >/dev/null 2>&1; then
        echo "setup: installing @material-symbols/svg-400 from npm"
        mkdir -p "$cache/npm"
        (cd "$cache/npm" && npm install --no-save --no-audit --no-fund --silent \
            --prefix "$cache/npm" @material-symbols/svg-400 >/dev/null) ||
            echo "setup: warning: npm install failed; the screens will lack their icons" >&2
    else
        echo "setup: warning: npm not found; the screens will lack their icons" >&2
    fi
fi

# earcut: header-only, carried by Debian's source package python-mapbox-earcut.
earcut="$cache/earcut/include/mapbox/earcut.hpp"
if [ ! -f "$earcut" ]; then
    echo "setup: fetching earcut from Debian's source package python-mapbox-earcut"
    apt_dir="$cache/apt-src"
    mkdir -p "$apt_dir/lists/partial" "$cache/earcut"
    uri=$(grep -h '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -m1 '/debian$' | awk '{print $2}')
    [ -n "$uri" ] || uri=$(grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | awk '/debian/ {print $2; exit}')
    [ -n "$uri" ] || uri="http://deb.debian.org/debian"
    echo "deb-src $uri bookworm main" >"$apt_dir/sources.list"
    opts=(-o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o "Dir::Etc::sourceparts=-"
          -o "Dir::State::Lists=$apt_dir/lists")
    (
        cd "$apt_dir"
        apt-get "${opts[@]}" -qq update >/dev/null
        # apt warns that root downloads unsandboxed; keep its log for real failures only.
        apt-get "${opts[@]}" -qq source --download-only python-mapbox-earcut >/dev/null 2>source.log ||
            { cat source.log >&2; exit 1; }
        tarball=$(ls python-mapbox-earcut_*.orig.tar.* | head -n 1)
        tar xf "$tarball" --wildcards '*/include/mapbox/earcut.hpp'
        mkdir -p "$cache/earcut/include/mapbox"
        cp */include/mapbox/earcut.hpp "$cache/earcut/include/mapbox/earcut.hpp"
    ) || echo "setup: warning: could not fetch earcut; the profit graph needs it" >&2
fi
