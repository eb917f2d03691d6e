#!/usr/bin/env bash
# The program under a window manager (openbox) on an X server of its own, where the window
# manager moves the window: a quick tap on the background neither moves it nor leaves it
# following the pointer; a drag moves it by the pointer's offset; Alt+F4 then ends the program.
#   xvfb-run -a tst_window_manager.sh AMPORA
set -euo pipefail
(($# == 1)) || { echo "usage: xvfb-run -a tst_window_manager.sh AMPORA" >&2 && exit 2; }
fail() { echo "FAIL: $*" >&2 && exit 1; }
poll() { for _ in {1..300}; do "$@" && return; sleep 0.1; done; false; } # up to 30 s
openbox --sm-disable &>/dev/null &
trap "kill $! 2>/dev/null || true; pkill -x ampora || true" EXIT
poll xdotool get_desktop &>/dev/null || fail "openbox did not start"
QT_QPA_PLATFORM=xcb "$1" &>/dev/null &
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ampora$' | head -n1)
where() { xdotool getwindowgeometry "$window" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
IFS=, read -r x y <<<"$(where)"
# The pointer moves off at once after the tap: the window would follow within half a second.
xdotool mousemove $((x + 150)) $((y + 40)) click 1 mousemove_relative 100 80 sleep 0.5
[[ $(where) == "$x,$y" ]] || fail "a tap on the background moved the window to $(where)"
xdotool mousemove $((x + 150)) $((y + 40)) mousedown 1 sleep 0.2 mousemove_relative 10 5 \
    sleep 0.1 mousemove_relative 20 15 sleep 0.2 mouseup 1
moved() { [[ $(where) == "$((x + 30)),$((y + 20))" ]]; }
poll moved || fail "the drag moved the window to $(where), not by (30, 20)"
xdotool key alt+F4
ended() { ! pgrep -x ampora >/dev/null; }
poll ended || fail "Alt+F4 left the program running"
