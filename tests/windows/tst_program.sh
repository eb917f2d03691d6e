#!/usr/bin/env bash
# The Windows program as its user meets it under Wine: a window titled "Ampora" that shows the
# reference picture of its start (glyph edges of the Chinese face may differ by up to 29 levels,
# see tst_form1), which a drag on its background moves through the system, and Alt+F4 closes.
#   wine-session.sh DIR with tst_program.sh AMPORA.EXE START.PNG
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
xdotool mousemove 0 0 # away from the window, which would light up under it
wine "$1" &>/dev/null &
window=$(timeout 60 xdotool search --sync --onlyvisible --pid $! --name '^Ampora$' | head -n1)
sleep 2 # painted
differing=$(import -window "$window" png:- | compare -metric AE -fuzz 12.5% - "$2" null: 2>&1) ||
    fail "$differing pixels differ from $2"
position() { xdotool getwindowgeometry "$window" | grep -o '[0-9]*,[0-9]*'; }
IFS=, read -r x y <<<"$(position)"
# From the banner of the background picture, with the real mouse.
xdotool mousemove --window "$window" 150 40 mousedown 1 sleep 0.2 mousemove_relative 10 5 \
    sleep 0.1 mousemove_relative 20 15 sleep 0.2 mouseup 1 sleep 0.5
[[ $(position) == "$((x + 30)),$((y + 20))" ]] || fail "the drag moved the window to $(position)"
xdotool windowfocus --sync "$window" key alt+F4
timeout 30 tail --pid=$! -f /dev/null || fail "Alt+F4 left the program running"
