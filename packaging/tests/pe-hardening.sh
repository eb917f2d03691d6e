#!/usr/bin/env bash
# What the PE headers of Ampora's Windows programs promise Windows, read with objdump: data never
# executed (DEP), high-entropy ASLR with the relocations it needs, no terminal-server shims, a load
# configuration whose DependentLoadFlags keep the DLLs loaded at start to the system folder, and
# no DLL imported at start but the kernel, the C run-time and the synchronisation API set.
#   pe-hardening.sh PROGRAM.exe...
set -euo pipefail
if (($# == 0)); then
    echo "usage: pe-hardening.sh PROGRAM.exe..." >&2
    exit 2
fi
objdump=x86_64-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $1: $2" >&2; failures=$((failures + 1)); }
for program in "$@"; do
    name=$(basename "$program")
    headers=$($objdump -p "$program")
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
        grep -q "^\s*$flag$" <<<"$headers" || fail "$name" "no $flag"
    done
    grep -q "Entry 5 0*[1-9a-f][0-9a-f]* [0-9a-f]*[1-9a-f][0-9a-f]* Base Relocation" <<<"$headers" ||
        fail "$name" "no relocations, so no ASLR"
    imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
    [[ $imports == "api-ms-win-core-synch-l1-2-0.dll kernel32.dll msvcrt.dll " ||
        $imports == "kernel32.dll msvcrt.dll " ]] || fail "$name" "imports at start: $imports"
    # DependentLoadFlags: 2 bytes at 78 in the load configuration, at the directory's address.
    read -r rva size < <(sed -n 's/^Entry a \([0-9a-f]*\) \([0-9a-f]*\) Load Configuration.*/\1 \2/p' \
        <<<"$headers")
    base=$(sed -n 's/^ImageBase\s*//p' <<<"$headers")
    if ((0x$size < 80)); then
        fail "$name" "no load configuration"
        continue
    fi
    at=$((0x$base + 0x$rva + 78))
    flags=$($objdump -s --start-address=$at --stop-address=$((at + 2)) "$program" |
        sed -n 's/^ [0-9a-f]* \([0-9a-f]\{4\}\).*/\1/p')
    [[ $flags == 0008 ]] || fail "$name" "DependentLoadFlags are $flags, not 0008 (0x800, system folder)"
    echo "$name: DEP, ASLR (high entropy), terminal-server aware, DLLs from the system folder"
done
((failures == 0))
