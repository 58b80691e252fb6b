#!/usr/bin/env bash
# Copies into DEST the DLLs that the given Windows programs and plugins load, and theirs in turn:
# the import tables read with objdump (windeployqt cannot read Windows executables on a Linux
# host). A DLL found in none of the folders below is the system's (KERNEL32, USER32, ...).
#
#   windows-dlls.sh DEST FILE...
set -euo pipefail
dest=$1
shift
cache="${NOX_WINDOWS_CACHE:-$HOME/.cache/nox-windows}"
qt="${NOX_WINDOWS_QT:-$cache/qt6-win}"
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
dirs=("$qt/bin" "$gcc_dir" /usr/x86_64-w64-mingw32/lib)
objdump=x86_64-w64-mingw32-objdump

declare -A seen=()
system=()
queue=("$@")
while ((${#queue[@]})); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while IFS= read -r dll; do
        key=${dll,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        found=""
        for d in "${dirs[@]}"; do
            # The import table's case need not be the file's.
            found=$(find "$d" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)
            [ -n "$found" ] && break
        done
        if [ -n "$found" ]; then
            cp "$found" "$dest/"
            queue+=("$found")
        else
            system+=("$dll")
        fi
    done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr -d '\r')
done
echo "windows-dlls: copied $(ls "$dest"/*.dll | wc -l) DLLs; from the system: ${system[*]}"
