#!/usr/bin/env bash
# cmake --install to a fresh prefix: the app's folder, the launcher pointing at it, the
# command starting the app there (its history file lands in that folder), and a second
# install keeping the colours already saved.
source "$(dirname "$0")/lib.sh"
build=$1
prefix=$dir/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
app=$prefix/lib/tintora
for f in tintora store.lzd ColorTable.htm tintora.png tray.png; do
    [ -f "$app/$f" ] || fail "missing $app/$f"
done
launcher=$prefix/share/applications/tintora.desktop
grep -qx "Path=$app" "$launcher" || fail "launcher: $(grep Path= "$launcher")"
grep -qx "Exec=$app/tintora" "$launcher" || fail "launcher: $(grep Exec= "$launcher")"
[ -f "$prefix/share/icons/hicolor/32x32/apps/tintora.png" ] || fail "no icon"

# Started by the command from anywhere, it runs in its folder.
(cd / && exec "$prefix/bin/tintora") &
pids+=("$!")
for _ in $(seq 100); do
    [ -f "$app/HisColors.dat" ] && xdotool search --onlyvisible --name '^Tintora\(' >/dev/null 2>&1 && break
    sleep 0.1
done
[ -f "$app/HisColors.dat" ] || fail "the installed app did not start in its folder"

# In a folder nobody may write (immutable, so even root cannot): it starts, says
# nothing, and keeps no history.
kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null || true
rm -f "$app/HisColors.dat"
if chattr +i "$app" 2>/dev/null; then
    trap 'chattr -i "$app" 2>/dev/null || true; cleanup' EXIT
    (cd / && exec "$prefix/bin/tintora") &
    locked=$!
    pids+=("$locked")
    main=""
    for _ in $(seq 100); do
        main=$(xdotool search --onlyvisible --pid "$locked" --name '^Tintora\(' 2>/dev/null | head -n 1 || true)
        [ -n "$main" ] && break
        sleep 0.1
    done
    [ -n "$main" ] || fail "the app did not start in a read-only folder"
    sleep 0.5
    xdotool search --onlyvisible --name '^Tintora $' >/dev/null 2>&1 && fail "an error box came up"
    xdotool mousemove $((client_x + 364 - 12)) 13 click 1 # the frame's close button
    for _ in $(seq 50); do kill -0 "$locked" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$locked" 2>/dev/null && fail "the app did not end"
    [ -f "$app/HisColors.dat" ] && fail "a history file appeared in a read-only folder"
    chattr -i "$app"
else
    echo "note: this file system has no immutable folders; the read-only run is skipped"
fi

sqlite3 "$app/store.lzd" "INSERT INTO Colors(Name,RVal,GVal,BVal,Comment) VALUES('kept',1,2,3,'')"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(sqlite3 "$app/store.lzd" "SELECT Name FROM Colors")" = "kept" ] || fail "reinstalling lost the library"
echo "install: ok"
