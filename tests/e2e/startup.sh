#!/usr/bin/env bash
# Starts the real application in a fresh folder on the X server of $DISPLAY and checks
# what a user sees first: the caption, the position, and the three text forms (read
# back through the copy buttons and the clipboard, from another process).
set -euo pipefail
app=$1
dir=$(mktemp -d)
cleanup() {
    if [ -n "${pid:-}" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

cp "$app" "$dir/tintora"
cd "$dir"
HOME=$dir ./tintora &
pid=$!

win=$(xdotool search --sync --onlyvisible --name 'Tintora' | head -n 1)
name=$(xdotool getwindowname "$win")
[ "$name" = "Tintora(朱砚) V1.1.2" ] || { echo "caption: $name"; exit 1; }
geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry" | grep -q 'Position: 0,0' || { echo "geometry: $geometry"; exit 1; }

# Client area starts below the 1-pixel border and the 24-pixel title bar; the output
# group is at 9,127 and its copy buttons at 147,25 / 147,56 / 147,88 (48 x 22).
check_copy() {
    local y=$1 want=$2
    xdotool mousemove $((1 + 9 + 147 + 24)) $((1 + 24 + 127 + y + 11)) click 1
    local got=""
    for _ in $(seq 50); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    echo "clipboard: '$got', expected '$want'"
    exit 1
}
check_copy 25 '#FFFFFF'
check_copy 56 'RGB(255,255,255)'
check_copy 88 '$00FFFFFF'
echo "start-up as a user sees it: ok"
