#!/usr/bin/env bash
# Builds the model library, noxsim and the model tests for 64-bit Windows, runs them under Wine
# and packs noxsim.exe with its DLLs in a zip.
#
#   scripts/windows.sh [last-stage]
#
# Everything lands in a cache folder outside the checkout (NOX_WINDOWS_CACHE, by default
# ~/.cache/nox-windows). Each stage leaves a marker in stamps/ and is skipped on the next run;
# remove a marker (or the whole folder) to run a stage again. With a stage name, the script stops
# after that stage. The wall time and the disk use of each stage go to stages.log, printed at
# the end.
#
# Stages: packages, sources, sqlite, qtbase-patch, qtbase-configure, qtbase-build, qtbase-install,
# project-configure, project-build, linux-noxsim, tests, zip.
#
# Qt comes from Debian's qt6-base source package (6.4.2, the version of the host Qt whose moc
# and rcc the cross build runs), SQLite from the sqlite3 source package; both by name through
# apt-get source, nothing from elsewhere.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache="${NOX_WINDOWS_CACHE:-$HOME/.cache/nox-windows}"
export NOX_WINDOWS_CACHE="$cache"
last="${1:-}"
jobs="${NOX_WINDOWS_JOBS:-$(nproc)}"
((jobs > 2)) && jobs=2

src="$cache/src"
qt_src="$cache/qtbase-src"
qt_build="$cache/qtbase-build"
qt_prefix="$cache/qt6-win"
sqlite_src="$cache/sqlite-src"
sqlite_prefix="$cache/sqlite-win"
nox_build="$cache/nox-build"
linux_build="$cache/nox-linux"
dist="$cache/dist"
export NOX_WINDOWS_QT="$qt_prefix"
export WINEPREFIX="${WINEPREFIX:-$cache/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"

mkdir -p "$cache/stamps"
log="$cache/stages.log"

# stage NAME DIR COMMAND...: runs COMMAND unless NAME is done, then logs the wall time and the
# size of DIR (what the stage leaves on disk).
stage() {
    local name=$1 dir=$2
    shift 2
    if [ -f "$cache/stamps/$name" ]; then
        echo "windows: $name: done before"
    else
        echo "windows: $name..."
        local t0=$SECONDS
        "$@"
        local secs=$((SECONDS - t0)) size="-"
        [ "$dir" != - ] && [ -e "$dir" ] && size=$(du -sh "$dir" | cut -f1)
        sed -i "/^$name /d" "$log" 2>/dev/null || true
        printf '%-18s %6ss %8s  %s\n' "$name" "$secs" "$size" "${dir#"$cache"/}" >>"$log"
        touch "$cache/stamps/$name"
    fi
    if [ "$name" = "$last" ]; then
        summary
        exit 0
    fi
}

summary() {
    echo "windows: stages (wall time, disk):"
    sed 's/^/    /' "$log"
    echo "    cache total: $(du -sh "$cache" | cut -f1)"
}

# --- Debian packages: the cross compilers, Wine, and tclsh to make the SQLite amalgamation.
packages() {
    local wanted=(mingw-w64 wine wine64 tcl xvfb xauth cmake ninja-build qt6-base-dev qt6-base-dev-tools
        binutils-mingw-w64-x86-64 dpkg-dev) missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# --- Sources: qt6-base and sqlite3 from Debian's source packages, through a private list file
# with one deb-src line on the machine's own archive.
sources() {
    mkdir -p "$src/lists/partial"
    local uri
    uri=$(grep -h '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -m1 '/debian$' | awk '{print $2}') || true
    [ -n "$uri" ] || uri=$(grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | awk '/debian/ {print $2; exit}') || true
    [ -n "$uri" ] || uri="http://deb.debian.org/debian"
    echo "deb-src $uri bookworm main" >"$src/sources.list"
    local opts=(-o "Dir::Etc::sourcelist=$src/sources.list" -o "Dir::Etc::sourceparts=-"
        -o "Dir::State::Lists=$src/lists")
    (
        cd "$src"
        apt-get "${opts[@]}" -qq update
        # apt warns that root downloads unsandboxed; keep its log for real failures only.
        apt-get "${opts[@]}" -qq source --download-only qt6-base sqlite3 >source.log 2>&1 ||
            { cat source.log >&2; exit 1; }
    )
    rm -rf "$qt_src" "$sqlite_src"
    mkdir -p "$qt_src" "$sqlite_src"
    tar xf "$src"/qt6-base_*.orig.tar.* -C "$qt_src" --strip-components=1
    tar xf "$(ls "$src"/sqlite3_*.orig.tar.* | grep -v -- -www)" -C "$sqlite_src" --strip-components=1
}

# --- SQLite: Debian's qtbase tarball has no bundled SQLite, so the Qt SQL driver is built
# against a static library of the amalgamation made from the sqlite3 source package.
sqlite() {
    local b="$cache/sqlite-build"
    rm -rf "$b" "$sqlite_prefix"
    mkdir -p "$b" "$sqlite_prefix/include" "$sqlite_prefix/lib"
    # The amalgamation is generated on the host (its generator is a Tcl script).
    (cd "$b" && "$sqlite_src/configure" --disable-tcl >configure.log 2>&1 && make sqlite3.c >make.log 2>&1) ||
        { tail -20 "$b"/*.log >&2; exit 1; }
    # The options Qt gives its own SQLite.
    x86_64-w64-mingw32-gcc-posix -O2 -c "$b/sqlite3.c" -o "$b/sqlite3.o" \
        -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_OMIT_COMPLETE \
        -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_RTREE \
        -DSQLITE_THREADSAFE=1
    x86_64-w64-mingw32-ar rcs "$sqlite_prefix/lib/libsqlite3.a" "$b/sqlite3.o"
    cp "$b/sqlite3.h" "$b/sqlite3ext.h" "$sqlite_prefix/include/"
}

# --- MinGW-w64 10 with GCC 12 (Debian 12) runs the destructor of a thread_local object of a DLL
# after the thread's emulated TLS block is freed: the destructor then reads freed memory. Qt 6.4
# keeps QRegularExpression's JIT stack in such an object, so every thread that matched a regular
# expression crashes or corrupts the heap when it ends. The JIT stack goes into a QThreadStorage
# instead (Qt's own per-thread cleanup, as in Qt 5).
qtbase_patch() {
    local f="$qt_src/src/corelib/text/qregularexpression.cpp"
    python3 - "$f" <<'PY'
import sys
path = sys.argv[1]
text = open(path).read()
old = "static thread_local std::unique_ptr<pcre2_jit_stack_16, PcreJitStackFree> jitStacks;\n"
new = '''struct PcreJitStackHolder
{
    std::unique_ptr<pcre2_jit_stack_16, PcreJitStackFree> stack;
};
struct PcreJitStacks
{
    QThreadStorage<PcreJitStackHolder *> storage;
    pcre2_jit_stack_16 *get() { return storage.hasLocalData() ? storage.localData()->stack.get() : nullptr; }
    bool operator!() { return !get(); }
    void reset(pcre2_jit_stack_16 *stack)
    {
        if (!storage.hasLocalData())
            storage.setLocalData(new PcreJitStackHolder);
        storage.localData()->stack.reset(stack);
    }
};
Q_GLOBAL_STATIC(PcreJitStacks, jitStacksStorage)
#define jitStacks (*jitStacksStorage)
'''
if new in text:
    sys.exit(0)
if old not in text:
    sys.exit("qtbase-patch: the JIT stack declaration is not in " + path)
text = text.replace(old, new).replace("#include <QtCore/qthreadstorage.h>\n", "")
text = text.replace('#include "qregularexpression.h"\n', '#include "qregularexpression.h"\n#include <QtCore/qthreadstorage.h>\n', 1)
open(path, "w").write(text)
PY
}

# --- qtbase for Windows: Core, Network, Concurrent, Sql (SQLite driver), Test, Xml. Nothing the
# script builds needs Qt Gui (the screens cannot be built for Windows here: Debian's archive has
# no qt6-declarative sources to build), so Gui and Widgets are left out, which halves the build.
qtbase_configure() {
    rm -rf "$qt_build"
    mkdir -p "$qt_build"
    cmake -S "$qt_src" -B "$qt_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_gui=OFF -DFEATURE_widgets=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_pkg_config=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_brotli=OFF -DFEATURE_glib=OFF -DFEATURE_libproxy=OFF \
        -DFEATURE_openssl=OFF -DFEATURE_schannel=ON \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON \
        -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF -DFEATURE_sql_oci=OFF \
        -DFEATURE_sql_db2=OFF -DFEATURE_sql_ibase=OFF \
        -DSQLite3_INCLUDE_DIR="$sqlite_prefix/include" \
        -DSQLite3_LIBRARY="$sqlite_prefix/lib/libsqlite3.a" \
        >"$cache/qtbase-configure.log" 2>&1 || { tail -40 "$cache/qtbase-configure.log" >&2; exit 1; }
    grep -E 'SQL|sqlite|Schannel|Gui ' "$qt_build/config.summary" | head -20 || true
}

qtbase_build() {
    nice -n 10 cmake --build "$qt_build" -- -j"$jobs" >"$cache/qtbase-build.log" 2>&1 ||
        { grep -m20 -B2 -A10 'error' "$cache/qtbase-build.log" >&2 || tail -40 "$cache/qtbase-build.log" >&2; exit 1; }
}

qtbase_install() {
    rm -rf "$qt_prefix"
    cmake --install "$qt_build" >"$cache/qtbase-install.log" 2>&1 ||
        { tail -20 "$cache/qtbase-install.log" >&2; exit 1; }
}

# (Qt puts every Windows executable and DLL of the build at the top of the build folder.)
# --- The project for Windows, with its own CMake files in model-only mode (the toolchain file
# sets NOX_MODEL_ONLY and Wine as the emulator that runs the data generator and the tests).
project_configure() {
    rm -rf "$nox_build"
    cmake -S "$top" -B "$nox_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DNOX_WINDOWS_QT="$qt_prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DNOX_BUILD_BENCHMARKS=OFF \
        -DSQLite3_INCLUDE_DIR="$sqlite_prefix/include" \
        -DSQLite3_LIBRARY="$sqlite_prefix/lib/libsqlite3.a" \
        >"$cache/project-configure.log" 2>&1 || { tail -40 "$cache/project-configure.log" >&2; exit 1; }
}

project_build() {
    nice -n 10 cmake --build "$nox_build" -- -j"$jobs" >"$cache/project-build.log" 2>&1 ||
        { grep -m20 -B2 -A10 -E 'error|FAILED' "$cache/project-build.log" >&2 || tail -40 "$cache/project-build.log" >&2; exit 1; }
    # Warnings are faults here as in the Linux build.
    if grep -q 'warning:' "$cache/project-build.log"; then
        grep -A5 'warning:' "$cache/project-build.log" >&2
        echo "windows: the Windows build has warnings" >&2
        exit 1
    fi
}

# --- noxsim for Linux from the same sources (model-only, so that it builds in a minute), for the
# byte-for-byte comparison of the outputs.
linux_noxsim() {
    cmake -S "$top" -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOX_MODEL_ONLY=ON \
        -DNOX_BUILD_BENCHMARKS=OFF -DBUILD_TESTING=OFF >"$cache/linux-configure.log" 2>&1 ||
        { tail -40 "$cache/linux-configure.log" >&2; exit 1; }
    nice -n 10 cmake --build "$linux_build" --target noxsim -- -j"$jobs" >"$cache/linux-build.log" 2>&1 ||
        { tail -40 "$cache/linux-build.log" >&2; exit 1; }
}

# --- The checks under Wine: the model tests, noxsim against the Linux one, the settings' place
# and the user32 input on a private X server.
# A failing check does not stop the zip; the script's exit code tells it at the end.
checks_failed=0
tests() {
    "$top/tests/windows/run-checks.sh" "$top" "$cache" || checks_failed=1
}

# --- The zip: noxsim.exe, the DLLs it loads (read from the import tables, recursively), the SQL
# driver plugin and a README.
zip_pack() {
    rm -rf "$dist"
    local d="$dist/noxsim"
    mkdir -p "$d/sqldrivers"
    cp "$nox_build/noxsim.exe" "$d/"
    cp "$qt_prefix/plugins/sqldrivers/qsqlite.dll" "$d/sqldrivers/"
    "$top/scripts/windows-dlls.sh" "$d" "$d/noxsim.exe" "$d/sqldrivers/qsqlite.dll"
    cp "$top/scripts/windows-zip-readme.txt" "$d/README.txt"
    # Windows line ends in the text the user opens in Notepad.
    sed -i 's/$/\r/' "$d/README.txt"
    (cd "$dist" && cmake -E tar cf noxsim-windows-x86_64.zip --format=zip noxsim)
    # The packed program runs on its own (no WINEPATH): the zip holds everything it needs.
    (cd "$d" && WINEPATH= wine ./noxsim.exe --help >/dev/null) ||
        { echo "windows: the packed noxsim.exe does not start" >&2; exit 1; }
    echo "windows: $dist/noxsim-windows-x86_64.zip ($(du -h "$dist/noxsim-windows-x86_64.zip" | cut -f1))"
}

stage packages - packages
stage sources "$cache/src" sources
stage sqlite "$sqlite_prefix" sqlite
stage qtbase-patch "$qt_src" qtbase_patch
stage qtbase-configure "$qt_build" qtbase_configure
stage qtbase-build "$qt_build" qtbase_build
stage qtbase-install "$qt_prefix" qtbase_install
stage project-configure "$nox_build" project_configure
stage project-build "$nox_build" project_build
stage linux-noxsim "$linux_build" linux_noxsim
rm -f "$cache/stamps/tests" # the checks run every time (NOX_WINDOWS_CHECKS=0: not at all)
if [ "${NOX_WINDOWS_CHECKS:-1}" != 0 ]; then
    stage tests "$cache/checks" tests
fi
stage zip "$dist" zip_pack
summary
if ((checks_failed)); then
    echo "windows: some checks under Wine failed (logs in $cache/checks/logs)" >&2
    exit 1
fi
