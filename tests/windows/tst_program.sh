#!/usr/bin/env bash
# The Windows program as its user meets it under Wine: a window titled "Ampora" that looks as the
# reference picture of its start, which a drag on its background moves through the system and a
# drag on a label does not, and which Alt+F4 closes.
#   wine-session.sh DIR with tst_program.sh AMPORA.EXE START.PNG
set -euo pipefail
exe=$1 reference=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

xdotool mousemove 0 0 # away from the window, which it would light up
wine "$exe" &>/dev/null &
program=$!
window=$(timeout 60 xdotool search --sync --name '^Ampora$' | head -n1)
# Glyph edges of the Chinese face may differ by up to 29 levels (see tst_form1).
picture=$(mktemp --suffix=.png)
for _ in {1..50}; do
    import -window "$window" "$picture"
    differing=$(compare -metric AE -fuzz 12.5% "$picture" "$reference" null: 2>&1) || true
    [[ $differing == 0 ]] && break
    sleep 0.2
done
[[ $differing == 0 ]] || fail "$differing pixels differ from $reference"

position() { xdotool getwindowgeometry "$window" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
drag() { # from a point of the window, by 30 and 20 pixels, with the real mouse
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1 sleep 0.2 \
        mousemove_relative 10 5 sleep 0.1 mousemove_relative 20 15 sleep 0.2 mouseup 1 sleep 0.5
}
start=$(position)
drag 100 400 # the label "声卡"
[[ $(position) == "$start" ]] || fail "a drag on a label moved the window"
drag 150 40 # the banner of the background picture
IFS=, read -r x y <<<"$start"
[[ $(position) == "$((x + 30)),$((y + 20))" ]] || fail "the background moved the window to $(position)"

xdotool windowfocus --sync "$window" key alt+F4
timeout 30 tail --pid="$program" -f /dev/null || fail "Alt+F4 left the program running"
wait "$program"
