#!/usr/bin/env bash
# The Windows program as its user meets it, in Wine's virtual desktop, where Wine moves and
# focuses windows itself as Windows does: its window shows the start picture (each channel within
# TOLERANCE levels, as in tst_form1); a quick tap on the background neither moves it nor leaves it
# following the pointer; a drag moves it by the pointer's offset; Alt+F4 then ends the program.
#   wine-session.sh DIR with tst_program.sh AMPORA.EXE START.PNG TOLERANCE
set -euo pipefail
(($# == 3)) || { echo "usage: tst_program.sh AMPORA.EXE START.PNG TOLERANCE" >&2 && exit 2; }
fail() { echo "FAIL: $*" >&2 && exit 1; }
poll() { for _ in {1..300}; do "$@" && return; sleep 0.1; done; false; } # up to 30 s
xdotool mousemove 0 0
wine explorer /desktop=ampora,1200x900 "$(winepath -w "$1")" &>/dev/null &
trap "pkill -x ampora.exe || true; kill $! 2>/dev/null || true" EXIT
desktop() { desk=$(xdotool search --name '^ampora - Wine desktop$' | head -n1); }
poll desktop || fail "no virtual desktop"
shot() { import -window "$desk" png:- | convert - -trim "$@"; } # the window on the bare desktop
where() { shot -format '%X %Y' info:; }
# Pixels with a channel further than TOLERANCE from the reference's.
differing() {
    shot +repage png:- | convert - "$2" -compose difference -composite -separate \
        -evaluate-sequence max -threshold "$(awk "BEGIN { print ($3 + 0.5) / 2.55 }")%" -format '%[fx:mean*w*h]' info:
}
shows() { [[ $(differing "$@" 2>/dev/null) == 0 ]]; }
poll shows "$@" || fail "$(differing "$@") pixels differ from $2"
read -r x y <<<"$(where)"
# The pointer moves off at once after the tap: the window would follow within half a second.
xdotool mousemove $((x + 150)) $((y + 40)) click 1 mousemove_relative 100 80 sleep 0.5
[[ $(where) == "$x $y" ]] || fail "a tap on the background moved the window to $(where)"
xdotool mousemove $((x + 150)) $((y + 40)) mousedown 1 sleep 0.2 mousemove_relative 10 5 \
    sleep 0.1 mousemove_relative 20 15 sleep 0.2 mouseup 1
moved() { [[ $(where) == "+$((x + 30)) +$((y + 20))" ]]; }
poll moved || fail "the drag moved the window to $(where), not by (30, 20)"
xdotool key alt+F4
ended() { ! pgrep -x ampora.exe >/dev/null; }
poll ended || fail "Alt+F4 left the program running"
