#!/usr/bin/env bash
# A pick on the real screen: press on the swatch, drag over a window of a known colour
# in another process, release; the texts follow, and closing keeps the colour in
# HisColors.dat for the next run.
source "$(dirname "$0")/lib.sh"

display -geometry +600+400 -size 200x200 xc:'#FF8000' &
pids+=($!)
xdotool search --sync --onlyvisible --class 'display' >/dev/null
start_app "$1"

# The swatch: capture group at 220,4, swatch panel at 96,104, 36 x 34.
swatch_x=$((client_x + 220 + 96 + 18))
swatch_y=$((client_y + 4 + 104 + 17))
xdotool mousemove $swatch_x $swatch_y mousedown 1
xdotool mousemove 400 300 mousemove 650 450 mousemove 700 500
sleep 0.2
xdotool mouseup 1

copy_form web && expect_clipboard '#FF8000'
copy_form delphi && expect_clipboard '$000080FF'

# Another colour (web-safe rounding), then the first history cell brings the pick back.
click_client $((9 + 9 + 40)) $((4 + 92 + 12))
copy_form web && expect_clipboard '#FF9900'
click_client $((9 + 102 + 24 + 8)) $((4 + 21 + 4 + 7))
copy_form web && expect_clipboard '#FF8000'

# Close through the title bar's close button.
xdotool mousemove $((client_x + 364 - 12)) 13 click 1
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the app did not end on close"

bytes=$(od -An -tx1 -v "$dir/HisColors.dat" | tr -d ' \n')
[ ${#bytes} -eq 118 ] || fail "history file is $((${#bytes} / 2)) bytes"
[ "${bytes:0:6}" = "ff8000" ] || fail "current colour in the file: ${bytes:0:6}"
[ "${bytes:6:16}" = "0100000000000000" ] || fail "slot indexes in the file: ${bytes:6:16}"
[ "${bytes:22:6}" = "ff8000" ] || fail "slot 0 in the file: ${bytes:22:6}"

# The next run starts with the picked colour.
start_app "$dir/tintora"
copy_form rgb && expect_clipboard 'RGB(255,128,0)'
echo "pick: ok"
