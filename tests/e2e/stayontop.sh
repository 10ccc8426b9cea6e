#!/usr/bin/env bash
# Stay-on-top under a real window manager: the window stays above an active window while
# on, drops behind it when switched off from the system menu, and rises again when on.
source "$(dirname "$0")/lib.sh"

openbox --sm-disable >/dev/null 2>&1 &
pids+=("$!")
# Ready once its check window is alive and named (a manager that ran before leaves the
# root property behind, pointing at a window that is gone).
wm_ready() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -q Openbox
}
for _ in $(seq 50); do
    wm_ready && break
    sleep 0.1
done
wm_ready || fail "the window manager did not start"

start_app "$1"
display -size 300x300 xc:red &
pids+=("$!")
other=$(xdotool search --sync --onlyvisible --class display | head -n 1)
xdotool windowmove "$other" 50 50

# Prints "top" when our window is above the other one in the manager's stacking order.
ours_on_top() {
    local list ours theirs
    list=$(xprop -root _NET_CLIENT_LIST_STACKING)
    ours=$(printf '0x%x' "$win")
    theirs=$(printf '0x%x' "$other")
    list=${list#*#}
    [[ "$list" == *"$theirs"*"$ours"* ]] && echo top || echo below
}

expect() { # <top|below> <above state: yes|no> <what>
    xdotool windowactivate --sync "$other"
    sleep 0.3
    [ "$(ours_on_top)" = "$1" ] || fail "$3: the window is not $1 the active window"
    if [ "$2" = yes ]; then
        xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "$3: not marked above"
    else
        xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && fail "$3: still marked above"
    fi
    return 0
}

toggle_from_system_menu() { # the icon button, then the second item
    xdotool mousemove 10 12 click 1
    sleep 0.3
    xdotool key Down Down Return
    sleep 0.3
}

expect top yes "at start"
toggle_from_system_menu
expect below no "switched off"
toggle_from_system_menu
expect top yes "switched on again"
echo "stay-on-top: ok"
