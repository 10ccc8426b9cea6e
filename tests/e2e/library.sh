#!/usr/bin/env bash
# The colour library and the palette as a user drives them: type a colour, save it
# under a name (its row is in store.lzd), round to web-safe, load the saved colour back
# from the library, choose a basic colour in the palette (and cancel once), and open
# the reference page beside the main window.
source "$(dirname "$0")/lib.sh"
start_app "$1"

wait_window() { # <title>: waits until a window with that title is shown
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window \"$1\""
}
wait_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" stayed"
}

# R, G, B editors in the edit group (9,4): at 29,23 / 29,47 / 29,68, 60 x 18.
type_channel() { # <y in the group> <value>
    click_client $((9 + 29 + 20)) $((4 + $1 + 9))
    xdotool key ctrl+a type "$2"
}
type_channel 23 10
type_channel 47 20
type_channel 68 30
copy_form web && expect_clipboard '#0A141E'

# 保存颜色 (220,150): the name offered is selected; typing replaces it.
click_client $((220 + 32)) $((150 + 12))
wait_window 保存颜色
xdotool type "e2e blue"
xdotool key Return
wait_gone 保存颜色
rows=$(sqlite3 "$dir/store.lzd" "SELECT Name || '|' || RVal || '|' || GVal || '|' || BVal FROM Colors")
[ "$rows" = "e2e blue|10|20|30" ] || fail "library rows: $rows"

# 计算安全色 (group at 9,4, button at 9,92).
click_client $((9 + 9 + 40)) $((4 + 92 + 12))
copy_form web && expect_clipboard '#000033'

# 加载颜色 (293,150): 确定 has the focus, Enter loads the first row.
click_client $((293 + 32)) $((150 + 12))
wait_window 颜色库
xdotool key Return
wait_gone 颜色库
copy_form web && expect_clipboard '#0A141E'

# 高级调色板 (group at 9,4, button at 112,92): Esc cancels; then a basic colour and OK.
click_client $((9 + 112 + 40)) $((4 + 92 + 12))
wait_window 高级调色板
xdotool key Escape
wait_gone 高级调色板
copy_form web && expect_clipboard '#0A141E'
click_client $((9 + 112 + 40)) $((4 + 92 + 12))
wait_window 高级调色板
palette=$(xdotool search --onlyvisible --name '^高级调色板$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$palette")"
# The basic grid (5,5, 167 x 195, 8 x 6): row 1, column 5 is #FF0000.
xdotool mousemove $((X + 1 + 5 + 4 + 4 * 27 + 13)) $((Y + 25 + 5 + 26 + 10)) click 1
xdotool key Return
wait_gone 高级调色板
copy_form web && expect_clipboard '#FF0000'

# 颜色参考 (220,179): the page beside the main window, across the rest of the screen.
click_client $((220 + 32)) $((179 + 12))
wait_window 颜色参照表
page=$(xdotool search --onlyvisible --name '^颜色参照表$' | head -n 1)
geometry=$(xwininfo -id "$page" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width/ { w = $NF } /^ *Height/ { h = $NF } END { print x "," y " " w "x" h }')
[ "$geometry" = "366,0 1554x1080" ] || fail "reference window at $geometry"
echo "library: ok"
