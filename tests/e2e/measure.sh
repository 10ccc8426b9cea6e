#!/usr/bin/env bash
# The measuring window on a real X server: the main window is gone from the frozen
# copy, the copy covers the primary screen, a drag draws the inverted rubber line,
# and 结束 brings the main window back.
source "$(dirname "$0")/lib.sh"

display -geometry +500+400 -size 300x200 xc:'#FF8000' &
pids+=("$!")
xdotool search --sync --onlyvisible --class 'display' >/dev/null
start_app "$1"

pixel() { # <x> <y>: the screen's colour there, as "r,g,b"
    import -window root -crop 1x1+"$1"+"$2" -depth 8 txt:- | awk 'NR == 2 { gsub(/[()]/, "", $2); print $2 }'
}

click_client $((292 + 32)) $((179 + 12)) # 屏幕测距
measure=""
for _ in $(seq 50); do
    measure=$(xwininfo -root -tree | awk '/\("tintora" "Tintora"\)  1920x1080\+0\+0/ { print $1 }')
    [ -n "$measure" ] && xwininfo -id "$measure" | grep -q IsViewable && break
    measure=""
    sleep 0.1
done
[ -n "$measure" ] || fail "no measuring window over the whole screen"
xwininfo -id "$win" | grep -q IsUnMapped || fail "the main window is still shown"

# Where the main window stood, the copy shows the empty screen below it.
[ "$(pixel 300 150)" = "0,0,0" ] || fail "the main window is in the copy: $(pixel 300 150)"
[ "$(pixel 700 550)" = "255,128,0" ] || fail "the orange window is not in the copy: $(pixel 700 550)"

xdotool mousemove 600 500 mousedown 3 mousemove 650 500 mousemove 700 500 mouseup 3
sleep 0.3
[ "$(pixel 650 500)" = "0,127,255" ] || fail "no inverted rubber line: $(pixel 650 500)"
[ "$(pixel 650 501)" = "255,128,0" ] || fail "the line is more than one pixel wide"
# A known distance: a drag from x 600 to x 700 (reported as 101, both ends counted)
# leaves a line over 600..699 on the screen; its end point is not drawn.
[ "$(pixel 600 500)" = "0,127,255" ] || fail "the line does not start at the press"
[ "$(pixel 699 500)" = "0,127,255" ] || fail "the line stops short of the release"
[ "$(pixel 700 500)" = "255,128,0" ] || fail "the line runs past the release"
[ "$(pixel 599 500)" = "255,128,0" ] || fail "the line starts before the press"

xdotool mousemove $((179 + 28)) $((124 + 12)) click 1 # 结束
for _ in $(seq 50); do
    xwininfo -id "$win" | grep -q IsViewable && break
    sleep 0.1
done
xwininfo -id "$win" | grep -q IsViewable || fail "the main window did not come back"
echo "measure: ok"
