#!/usr/bin/env bash
# The pop-up track bar of the red editor on a real X server: it opens below the editor,
# a drag of its thumb sets the colour, a press on it keeps it open and the keyboard in
# the editor, and a press in the editor's text closes it.
source "$(dirname "$0")/lib.sh"
start_app "$1"

# The red editor sits at 29,23 in the edit group (9,4); 60 × 18, its button at the right.
editor_x=$((client_x + 9 + 29))
editor_y=$((client_y + 4 + 23))

popup_state() { # IsViewable, IsUnMapped, or nothing before it first opened
    local id
    id=$(xwininfo -root -tree | awk '/"Tintora": \("tintora" "Tintora"\)  128x18/ { print $1 }')
    [ -n "$id" ] && xwininfo -id "$id" | awk '/Map State/ { print $3 }'
}

wait_state() {
    for _ in $(seq 30); do
        [ "$(popup_state)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2"
}

xdotool mousemove $((editor_x + 54)) $((editor_y + 9)) click 1
wait_state IsViewable "the frame button did not open the pop-up"
geometry=$(xwininfo -root -tree | grep '128x18')
echo "$geometry" | grep -q "+$editor_x+$((editor_y + 18))" || fail "pop-up not below the editor: $geometry"

# The thumb starts at the right end (255); drag it to the left end.
thumb_x=$((editor_x + 3 + 113 + 4))
thumb_y=$((editor_y + 18 + 9))
xdotool mousemove "$thumb_x" "$thumb_y" mousedown 1 mousemove $((thumb_x - 60)) "$thumb_y" \
    mousemove 0 "$thumb_y" mouseup 1

# A press on the track leaves it open; the keys still reach the editor.
xdotool mousemove $((editor_x + 60)) "$thumb_y" click 1
sleep 0.2
[ "$(popup_state)" = IsViewable ] || fail "a press on the pop-up closed it"
xdotool key Up Up Up
sleep 0.2

# A press in the editor's text closes it.
xdotool mousemove $((editor_x + 10)) $((editor_y + 9)) click 1
wait_state IsUnMapped "a press in the editor's text did not close the pop-up"

copy_form web && expect_clipboard '#03FFFF'
echo "pop-up: ok"
