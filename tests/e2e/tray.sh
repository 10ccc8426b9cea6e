#!/usr/bin/env bash
# The tray icon with a notification area present: hide and restore through it, minimise
# to it, survive a restart of the notification area, and exit from it while hidden.
source "$(dirname "$0")/lib.sh"

start_tray_host() {
    trayer --edge bottom --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
    pids+=("$!")
    tray_pid=$!
    panel=$(xdotool search --sync --name '^panel$' | head -n 1)
}

# Prints the screen position of the middle of our docked icon, or nothing.
icon_centre() {
    xwininfo -tree -id "$panel" 2>/dev/null | awk '/"Tintora"/ { split($NF, p, "+"); print p[2] + 11, p[3] + 11 }'
}

wait_for() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    fail "$2"
}

shown() { xwininfo -id "$win" | grep -q 'IsViewable'; }
hidden() { xwininfo -id "$win" | grep -q 'IsUnMapped'; }

start_tray_host
start_app "$1"
wait_for '[ -n "$(icon_centre)" ]' "the icon never docked"
read -r ix iy <<<"$(icon_centre)"

our_windows() { xdotool search --onlyvisible --class tintora 2>/dev/null | sort; }

tray_menu() { # opens the menu with the right button, then picks an item by keys
    local before menu=""
    before=$(our_windows)
    sleep 0.3 # let the program settle from the last step, as a hand would
    xdotool mousemove "$ix" "$iy" click 3
    for _ in $(seq 50); do
        menu=$(comm -13 <(echo "$before") <(our_windows) | head -n 1)
        [ -n "$menu" ] && break
        sleep 0.1
    done
    [ -n "$menu" ] || fail "the right button did not open the menu"
    sleep 0.2
    xdotool key "$@"
    wait_for '! xwininfo -id "$menu" 2>/dev/null | grep -q IsViewable' "the menu did not close"
}

# 隐藏 is the first item enabled while the window is shown; a click brings it back.
tray_menu Down Return
wait_for hidden "隐藏 did not hide the window"
xdotool mousemove "$ix" "$iy" click 1
wait_for shown "a click on the icon did not bring the window back"

# The minimise button sends the window to the tray; 显示 is then the first item.
xdotool mousemove 331 13 click 1
wait_for hidden "minimise did not go to the tray"
tray_menu Down Return
wait_for shown "显示 did not show the window"

# The notification area goes away and comes back: the icon docks again.
kill "$tray_pid"
wait "$tray_pid" 2>/dev/null || true
start_tray_host
wait_for '[ -n "$(icon_centre)" ]' "the icon did not come back with the notification area"
read -r ix iy <<<"$(icon_centre)"

# 退出 (the last item) while hidden still ends the run and writes the history.
rm -f "$dir/HisColors.dat"
tray_menu Down Return
wait_for hidden "隐藏 did not hide the window"
tray_menu Up Return
wait_for '! kill -0 "$app_pid" 2>/dev/null' "退出 did not end the program"
[ -f "$dir/HisColors.dat" ] || fail "no history written at exit"
[ -z "$(icon_centre)" ] || fail "an icon was left behind"
echo "tray: ok"
