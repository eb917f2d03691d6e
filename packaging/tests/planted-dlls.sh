#!/usr/bin/env bash
# A Downloads folder as an attacker leaves it: beside a Windows program, a DLL that leaves a mark
# when it runs, planted under the name of every DLL the program may load that is not one of
# Windows' known DLLs (those come from the system folder whatever the folder holds): the DLLs it
# imports, delayed or not, and those Windows, Qt and NSIS load by name. Wine is told to prefer the
# program's folder for them, as Windows does. The program must work as usual and leave no mark.
#   wine-session.sh DIR with planted-dlls.sh PLANTED.DLL DELAY-LOAD-DIR PROGRAM.exe [ARGUMENT...]
# Without arguments the program must show its window, and is then closed; with them (a setup
# program's /S /D=...) it must run to its end and succeed.
set -euo pipefail
if (($# < 3)); then
    echo "usage: planted-dlls.sh PLANTED.DLL DELAY-LOAD-DIR PROGRAM.exe [ARGUMENT...]" >&2
    exit 2
fi
planted=$1 delay_load=$2 program=$3
shift 3
fail() { echo "FAIL: $*" >&2; exit 1; }

known=" advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf
    msvcrt normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32
    wldap32 ws2_32 "
by_name="uxtheme userenv apphelp propsys dwmapi cryptbase oleacc ntmarta version comctl32 msimg32
    opengl32 opengl32sw dbghelp d3dcompiler_47 winspool"
known=" $(echo $known) "
imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
delayed=$(sed -n 's/^LIBRARY //p' "$delay_load"/parts/*.def)
names=$(for dll in $imports $delayed $by_name; do
    dll=${dll,,} && dll=${dll%.dll}
    [[ $known == *" $dll "* ]] || echo "$dll"
done | sort -u)

folder=$(mktemp -d)
trap 'cd /; rm -rf "$folder"' EXIT
cp "$program" "$folder/"
overrides=$WINEDLLOVERRIDES
for dll in $names; do
    cp "$planted" "$folder/$dll.dll"
    overrides+=";$dll=n,b"
done
echo "planted $(wc -w <<<"$names") DLLs beside $(basename "$program"): $(echo $names)"
cd "$folder"
export WINEDLLOVERRIDES=$overrides
ran() { echo $(ls ./*.ran 2>/dev/null); }
if (($# == 0)); then
    wine "./$(basename "$program")" &>/dev/null &
    timeout 60 xdotool search --sync --onlyvisible --pid $! --name . >/dev/null ||
        fail "$(basename "$program") showed no window; planted DLLs that ran: $(ran)"
    kill $!
    wait $! || true
else
    wine "./$(basename "$program")" "$@" ||
        fail "$(basename "$program") $* failed; planted DLLs that ran: $(ran)"
fi
[[ -z $(ran) ]] || fail "planted DLLs ran: $(ran)"
echo "none ran"
