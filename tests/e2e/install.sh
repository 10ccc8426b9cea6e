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

sqlite3 "$app/store.lzd" "INSERT INTO Colors(Name,RVal,GVal,BVal,Comment) VALUES('kept',1,2,3,'')"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(sqlite3 "$app/store.lzd" "SELECT Name FROM Colors")" = "kept" ] || fail "reinstalling lost the library"
echo "install: ok"
