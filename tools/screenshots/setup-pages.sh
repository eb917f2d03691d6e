#!/usr/bin/env bash
# Screenshots of every page of the Windows setup program and its uninstaller, as a user meets them
# at a screen scale of 100 % and 200 %, under Wine with a Chinese font (Debian's fonts-noto-cjk).
#   cmake/wine-session.sh build-windows/wine with tools/screenshots/setup-pages.sh SETUP.EXE OUT-DIR
set -euo pipefail
(($# == 2)) || { echo "usage: setup-pages.sh SETUP.EXE OUT-DIR" >&2 && exit 2; }
setup=$1 out=$(realpath "$2")
mkdir -p "$out"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ampora'
finish() { pkill -x ampora.exe || true; dpi 96; }
trap finish EXIT
dpi() { # Wine reads the screen's dots per inch when its server starts
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wineserver --kill && wineserver --wait || true
    wineserver --persistent </dev/null &>/dev/null
    wine wineboot </dev/null &>/dev/null
}
# The page shown now, once it has settled: the window on the bare screen.
shot() {
    sleep 2
    import -window root png:- | convert - -trim +repage "$out/$1.png"
}
for scale in 96:100 192:200; do
    dpi "${scale%:*}"
    suffix=${scale#*:}
    wine "$setup" &>/dev/null &
    shot "setup-$suffix-1-welcome"; xdotool key Return
    shot "setup-$suffix-2-licence"; xdotool key Return
    shot "setup-$suffix-3-folder"; xdotool key Return
    sleep 5
    shot "setup-$suffix-4-finish"; xdotool key space Return
    sleep 2
    local=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
    wine "$local\\Programs\\Ampora\\uninstall.exe" &>/dev/null &
    sleep 2
    shot "uninstall-$suffix-1-confirm"
    pkill -x ampora.exe || true
    xdotool key Return
    sleep 4
    shot "uninstall-$suffix-2-done"; xdotool key Return
    sleep 2
done
