#!/usr/bin/env bash
# What a user sees first: the caption, the position, and the three text forms.
source "$(dirname "$0")/lib.sh"
start_app "$1"

name=$(xdotool getwindowname "$win")
[ "$name" = "Tintora(朱砚) V1.1.2" ] || fail "caption: $name"
geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry" | grep -q 'Position: 0,0' || fail "geometry: $geometry"

copy_form web && expect_clipboard '#FFFFFF'
copy_form rgb && expect_clipboard 'RGB(255,255,255)'
copy_form delphi && expect_clipboard '$00FFFFFF'
[ -f "$dir/HisColors.dat" ] || fail "no history file created at start-up"
echo "start-up: ok"
