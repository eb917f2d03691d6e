#!/usr/bin/env bash
# Cross-compiles the Windows-only shell file with MinGW, so a Linux build notices when it stops
# compiling for Windows, and checks it calls the ANSI entry points of the Windows API.
set -euo pipefail
source_dir=$1
compiler=x86_64-w64-mingw32-g++

if ! command -v "$compiler" >/dev/null; then
    echo "SKIPPED: $compiler is not installed (Debian package g++-mingw-w64-x86-64)"
    exit 77
fi

object_dir=$(mktemp -d)
trap 'rm -rf "$object_dir"' EXIT
object=$object_dir/WindowsShell.o
"$compiler" -std=c++20 -Wall -Wextra -Werror -I "$source_dir" \
    -c "$source_dir/ui/platform/WindowsShell.cpp" -o "$object"

imports=$(x86_64-w64-mingw32-nm --undefined-only "$object")
for function in ShellExecuteA ReleaseCapture SendMessageA; do
    if ! grep -q "__imp_$function\$" <<<"$imports"; then
        echo "WindowsShell.cpp does not call $function; it imports:" >&2
        echo "$imports" >&2
        exit 1
    fi
done
echo "ui/platform/WindowsShell.cpp cross-compiles for Windows with $("$compiler" -dumpversion)"
