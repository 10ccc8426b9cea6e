#!/usr/bin/env bash
# Start-up time to the first mapped top-level window and resident memory 2 s later,
# for Tintora, an empty Qt 6 window and a Qt 6 window with one label, on one private Xvfb in the same run.
# The map is caught by an event listener (xev on the root window's substructure),
# not by polling. Each run has a fresh HOME and XDG_RUNTIME_DIR; one warm-up run,
# then the median of $RUNS runs.
#
#   bench/startup.sh [build-dir]          (PEERS=1 also installs and measures gpick,
#                                          gcolor3 and color-picker from Debian)
set -euo pipefail
build=${1:-build}
runs=${RUNS:-6}
display=:${BENCH_DISPLAY:-77}

Xvfb "$display" -screen 0 1920x1080x24 -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Prints "<milliseconds to first MapNotify> <resident kB 2 s later>" for one start.
measure() {
    local dir program=$1
    dir=$(mktemp -d)
    mkdir -m 700 "$dir/run"
    local fifo=$dir/events
    mkfifo "$fifo"
    stdbuf -oL xev -root -event substructure >"$fifo" &
    local xev=$!
    exec 3<"$fifo"
    # xev announces nothing once it listens; give it a moment to select its input.
    sleep 0.3
    local start end line
    start=$(date +%s%N)
    (cd "$(dirname "$program")" && HOME=$dir XDG_RUNTIME_DIR=$dir/run exec "$program" >/dev/null 2>&1) &
    local app=$!
    while read -r line <&3; do
        if [[ $line == MapNotify* ]]; then
            end=$(date +%s%N)
            break
        fi
    done
    kill $xev 2>/dev/null || true
    exec 3<&-
    sleep 2
    local rss
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
    kill $app 2>/dev/null || true
    wait $app 2>/dev/null || true
    rm -rf "$dir"
    echo "$(((end - start) / 1000000)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

report() {
    local name=$1 program=$2 times=() mems=()
    measure "$program" >/dev/null # warm-up
    for _ in $(seq "$runs"); do
        read -r t m < <(measure "$program")
        times+=("$t")
        mems+=("$m")
    done
    local tm mm
    tm=$(printf '%s\n' "${times[@]}" | median)
    mm=$(printf '%s\n' "${mems[@]}" | median)
    printf '| %s | %s | %.1f | %s |\n' "$name" "$tm" "$(echo "$mm / 1024" | bc -l)" "${times[*]}"
}

echo "| program | start-up to first map, median ms | resident MB 2 s later, median | runs (ms) |"
echo "|---|---|---|---|"
report "empty Qt 6 window" "$(realpath "$build/bin/empty_qt_window")"
report "Qt 6 window with one label" "$(realpath "$build/bin/text_qt_window")"
report "Tintora" "$(realpath "$build/bin/tintora")"

# Colour pickers from Debian, when installed (PEERS=1 installs the missing ones).
peers=(gpick gcolor3 color-picker)
if [ "${PEERS:-0}" = 1 ]; then
    missing=()
    for p in "${peers[@]}"; do command -v "$p" >/dev/null || missing+=("$p"); done
    if [ ${#missing[@]} -gt 0 ]; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
    fi
fi
for p in "${peers[@]}"; do
    if command -v "$p" >/dev/null; then
        report "$p $(dpkg-query -W -f='${Version}' "$p" 2>/dev/null)" "$(command -v "$p")"
    fi
done
