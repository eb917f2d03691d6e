#!/usr/bin/env bash
# Installs Ampora for Windows from its setup program under Wine, silently and per user, as a user
# would: checks the files, the Start-menu shortcut and the uninstall entry, starts the installed
# program, tries the installer and the uninstaller while it runs, installs again elsewhere,
# refuses bad input and a Windows too old for it, and removes it all with the entry's quiet
# uninstall command, leaving nothing behind, not even the uninstaller's copy in TEMP. A download
# cut short, the launcher without its installer, a TEMP that does not exist and an installer that
# cannot start each stop it with its own exit code, said in Chinese unless silent, with nothing
# installed and nothing left in TEMP.
#   wine-session.sh DIR with install-windows.sh SETUP.EXE VERSION LAUNCHER.EXE
set -euo pipefail
if (($# != 3)); then
    echo "usage: install-windows.sh SETUP.EXE VERSION LAUNCHER.EXE" >&2
    exit 2
fi
setup=$1 version=$2 launcher=$3
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ampora'
fail() { echo "FAIL: $*" >&2; exit 1; }
windows_path() { wine cmd /c echo "$1" | tr -d '\r'; }
local_programs="$(windows_path '%LOCALAPPDATA%')\\Programs"
programs=$(winepath -u "$local_programs")
temp=$(winepath -u "$(windows_path '%TEMP%')")
shortcut="$(winepath -u "$(windows_path '%APPDATA%')")/Microsoft/Windows/Start Menu/Programs/Ampora.lnk"
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
installed_in() { # the entry names the folder, which holds the program and its uninstaller
    [[ $(value InstallLocation) == "$1" ]] || fail "the entry names $(value InstallLocation), not $1"
    local folder
    folder=$(winepath -u "$1")
    for file in ampora.exe uninstall.exe licences/copyright.txt licences/qt/LGPL-3.0-only.txt \
        relink/README.txt; do
        [[ -s $folder/$file ]] || fail "$1 lacks $file"
    done
    [[ -s $shortcut ]] || fail "no Start-menu shortcut"
}
nothing_installed() {
    wine reg query "$key" &>/dev/null && fail "$1 left an uninstall entry"
    [[ -z $(ls -A "$programs" 2>/dev/null) && ! -e $shortcut ]] || fail "$1 left files"
}
no_uninstaller_copy() { ! compgen -G "$temp/~nsu*" >/dev/null; }
# Waits up to 30 s for a condition, as the uninstaller runs on from a copy of itself.
within_30_s() {
    for _ in {1..300}; do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
program=
work=$(mktemp -d)
finish() { # whatever happened, nothing goes on running, and the prefix says Windows 10 again
    [[ -z $program ]] || kill "$program" 2>/dev/null || true
    winecfg /v win10 &>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
echo "setup: $(stat -c %s "$setup") bytes"
# A clean start, whatever an earlier run left.
wine reg delete "$key" /f &>/dev/null || true
rm -rf "$programs/Ampora" "$(winepath -u 'C:\Ampora')" "$shortcut" "$temp"/~nsu*

# Broken downloads, and a setup program that cannot go on: each case's file, its exit code, the
# words its message must hold, and the command line it runs with.
head -c $(($(stat -c %s "$setup") * 85 / 100)) "$setup" >"$work/cut-short.exe"
echo "no program" >"$work/no-program.txt"
cmake -DLAUNCHER="$launcher" -DINSTALLER="$work/no-program.txt" -DOUTPUT="$work/no-program.exe" \
    -P "$(dirname "$0")/../windows/setup-program.cmake"
cp "$setup" "$work/setup.exe" && cp "$launcher" "$work/bare.exe"
no_temp='set TEMP=C:\nowhere&& set TMP=C:\nowhere&&'
temp_before=$(ls -A "$temp")
stopped() { # CASE CODE WORDS COMMAND...: run silently, then with its message, which is closed
    local case=$1 code=$2 words=$3 status
    shift 3
    # Silent, it must end by itself: a message would wait for a click (timeout's 124).
    timeout 60 wine cmd /c "$* /S" &>/dev/null && status=0 || status=$?
    ((status == code)) || fail "$case ended silently with $status, not $code"
    WINEDEBUG=+msgbox wine cmd /c "$*" 2>"$work/trace" &
    local box
    box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ampora 安装$') ||
        fail "$case showed no message"
    xdotool key --window "$box" Return
    wait $! && status=0 || status=$?
    ((status == code)) || fail "$case ended with $status, not $code"
    # Wine traces each message box's text, its first 300 characters or so, with each character
    # beyond ASCII as \xxxx and "\" as "\\". One box, and no other (such as NSIS's own).
    local said
    said=$(sed -n 's/.*MSGBOX_OnInit L"\(.*\)"\(\.\.\.\)\?$/\1/p' "$work/trace" |
        perl -CS -pe 's/\\(?:([0-9a-f]{4})|(\\))/defined $1 ? chr(hex $1) : $2/ge')
    [[ $(wc -l <<<"$said") == 1 && $said == *"$words"* ]] || fail "$case said: ${said:-nothing}"
    nothing_installed "$case"
    [[ $(ls -A "$temp") == "$temp_before" && ! -e $(winepath -u 'C:\nowhere') ]] ||
        fail "$case left $(ls -A "$temp") in TEMP"
    echo "$case: exit code $code; said \"${said%%。*}。\""
}
cd "$work"
stopped "a download cut short" 3 "不完整或已损坏" cut-short.exe
stopped "the launcher alone" 3 "不完整或已损坏" bare.exe
stopped "a TEMP that does not exist" 4 'C:\nowhere\' "$no_temp" setup.exe
stopped "an installer that cannot start" 5 "无法启动安装程序" no-program.exe
cd - >/dev/null

wine "$setup" /S /X && fail "an unknown switch was taken"
nothing_installed "an unknown switch"
wine "$setup" /S '/D=Z:\proc\Ampora' && fail "a folder that cannot be written was taken"
nothing_installed "a folder that cannot be written"
# Qt 6 needs Windows 10 1809 or later: older ones are told so, and nothing changes (exit code 2).
for old in win7 win81; do
    winecfg /v $old &>/dev/null
    wine "$setup" /S && status=0 || status=$?
    ((status == 2)) || fail "the installer ended with $status on $old, not 2"
    nothing_installed "the installer on $old"
done
winecfg /v win10 &>/dev/null

wine "$setup" /S || fail "the silent installation failed"
folder="$local_programs\\Ampora"
installed_in "$folder"
for entry in "DisplayName Ampora" "DisplayVersion $version" "Publisher Kestrune" \
    "DisplayIcon $folder\\ampora.exe,0" "UninstallString \"$folder\\uninstall.exe\"" \
    "QuietUninstallString \"$folder\\uninstall.exe\" /S" "NoModify 0x1" "NoRepair 0x1"; do
    [[ $(value "${entry%% *}") == "${entry#* }" ]] || fail "${entry%% *} is $(value "${entry%% *}")"
done
estimated=$(($(value EstimatedSize)))
size=$(du -sk --apparent-size "$(winepath -u "$folder")" | cut -f1)
((estimated * 20 > size * 19 && estimated * 20 < size * 21)) ||
    fail "EstimatedSize is $estimated KB for $size KB of files"

wine "$folder\\ampora.exe" &>/dev/null &
program=$!
timeout 60 xdotool search --sync --onlyvisible --pid $program --name '^Ampora$' >/dev/null ||
    fail "the installed program showed no window"
wine "$setup" /S && fail "the installer went on while Ampora ran"
installed_in "$folder"
wine "$folder\\uninstall.exe" /S # at once; its copy in TEMP finds Ampora running and stops
within_30_s no_uninstaller_copy || fail "the stopped uninstaller left $(ls -d "$temp"/~nsu*)"
installed_in "$folder"
kill $program
wait $program || true
program=
wine "$setup" /S || fail "installing over the same version failed"
installed_in "$folder"

wine "$setup" /S '/D=C:\Ampora' || fail "installing again elsewhere failed"
installed_in 'C:\Ampora'
[[ ! -e $programs/Ampora ]] || fail "the earlier installation is still there"

quiet=$(value QuietUninstallString)
uninstaller=${quiet%\"*}
wine "${uninstaller#\"}" ${quiet##*\" } || fail "the quiet uninstall failed"
gone() { [[ ! -e $(winepath -u 'C:\Ampora') ]]; }
within_30_s gone || fail "the uninstall left its folder"
within_30_s no_uninstaller_copy || fail "the uninstall left $(ls -d "$temp"/~nsu*)"
nothing_installed "the uninstall"
echo "installed, checked, refused bad input and an old Windows, and removed"
