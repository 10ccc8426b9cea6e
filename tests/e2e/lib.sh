# Shared by the end-to-end scripts: starts the real application in a fresh folder on
# the X server of $DISPLAY and drives it like a user, with xdotool and xclip.
# Window coordinates: the main window sits at 0,0; its client area starts below the
# 1-pixel border and the 24-pixel title bar.
set -euo pipefail

client_x=1
client_y=25
pids=()
dir=$(mktemp -d)

cleanup() {
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_app <tintora executable>: copies it and its store.lzd into the fresh folder and
# starts it there.
start_app() {
    [ "$1" -ef "$dir/tintora" ] || cp "$1" "$dir/tintora"
    # As installed: an empty colour library beside the program (without one, a box
    # comes first). The build's pristine copy, not the one a developer has filled.
    [ -f "$dir/store.lzd" ] || cp "$(dirname "$1")/../tests/store-template.lzd" "$dir/store.lzd"
    (cd "$dir" && HOME=$dir exec ./tintora) &
    app_pid=$!
    pids+=("$app_pid")
    win=""
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended at start-up"
        win=$(xdotool search --onlyvisible --name '^Tintora\(' 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] && return 0
        sleep 0.1
    done
    fail "the main window did not appear"
}

# click_client <x> <y>: a left click at a point of the main window's client area.
click_client() {
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1
}

# expect_clipboard <text>: waits until the clipboard holds exactly that text.
expect_clipboard() {
    local got=""
    for _ in $(seq 50); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" = "$1" ] && return 0
        sleep 0.1
    done
    fail "clipboard holds '$got', expected '$1'"
}

# copy_form <web|rgb|delphi>: presses that form's 复制 button (output group at 9,127).
copy_form() {
    local y
    case $1 in
    web) y=25 ;;
    rgb) y=56 ;;
    delphi) y=88 ;;
    esac
    click_client $((9 + 147 + 24)) $((127 + y + 11))
}
