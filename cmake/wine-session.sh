#!/usr/bin/env bash
# Runs the cross build's Windows programs under Wine, in the build's own Wine prefix and on the
# build's own X server, as a Chinese Windows 10 (code page 936, as most of Ampora's users have):
# nothing of the user's desktop or Wine set-up is involved.
#   wine-session.sh DIR start            make the prefix if missing; start Xvfb and Wine
#   wine-session.sh DIR run PROGRAM...   run a Windows program there; its exit status is returned
#   wine-session.sh DIR with COMMAND...  run a command of this machine's that runs Wine there
#   wine-session.sh DIR stop             end both
# The shell opens no browser or mail program there: web and mail links are written, one a line,
# to C:\opened.txt of the prefix.
set -euo pipefail
usage() {
    echo "usage: wine-session.sh DIR start|stop" >&2
    echo "       wine-session.sh DIR run|with PROGRAM [ARGUMENT...]" >&2
    exit 2
}
(($# >= 2)) || usage
dir=$(realpath -m "$1") command=$2
shift 2
case $command in
start | stop) (($# == 0)) || usage ;;
run | with) (($# > 0)) || usage ;;
*) usage ;;
esac
mkdir -p "$dir"
export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=(env LOCPATH="$dir/locale" LC_ALL=zh_CN.UTF-8 wine)

start_display() { # 96 dpi, as Wine's default
    local fifo=$dir/display.fifo
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" </dev/null &>/dev/null &
    echo $! >"$dir/xvfb.pid"
    echo ":$(head -n1 "$fifo")" >"$dir/display"
    rm -f "$fifo"
}

stop_session() {
    wineserver --kill 2>/dev/null || true
    [[ -f $dir/xvfb.pid ]] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/display" "$dir/xvfb.pid"
}

case $command in
start)
    trap stop_session ERR # a session half started is ended
    mkdir -p "$dir/locale"
    [[ -d $dir/locale/zh_CN.UTF-8 ]] || localedef -i zh_CN -f UTF-8 "$dir/locale/zh_CN.UTF-8"
    [[ -s $dir/display ]] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null || start_display
    export DISPLAY=$(cat "$dir/display")
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        "${wine[@]}" wineboot --init </dev/null &>/dev/null
        "${wine[@]}" winecfg /v win10 </dev/null &>/dev/null # a new prefix says Windows 7, which Qt 6 refuses
        for scheme in http mailto; do
            "${wine[@]}" reg add "HKLM\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /f \
                /d 'cmd /c echo %1>>C:\opened.txt' </dev/null &>/dev/null
        done
    fi
    # One server for the whole session, with Wine's own services started here, apart from any
    # program's output, which they would hold open.
    wineserver --kill 2>/dev/null && wineserver --wait || true
    wineserver --persistent </dev/null &>/dev/null
    "${wine[@]}" wineboot </dev/null &>/dev/null
    ;;
run | with)
    # Qt logs (and QTest reports) to the debugger unless told that stderr is read: Wine hands
    # variables named WINE... to the program without that prefix.
    export DISPLAY=$(cat "$dir/display") WINEQT_FORCE_STDERR_LOGGING=1
    [[ $command == run ]] && exec "${wine[@]}" "$@"
    exec env LOCPATH="$dir/locale" LC_ALL=zh_CN.UTF-8 "$@"
    ;;
stop) stop_session ;;
esac
