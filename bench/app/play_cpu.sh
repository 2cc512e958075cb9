#!/bin/bash
# The running game's cost under a private X server: the time from starting it to its window being
# mapped, the share of one core it takes at 60 frames a second in the main menu and in play on
# level 1, the X server's share beside it, and the game's peak resident memory. Run from the repository root after a Release build:
#   bash bench/app/play_cpu.sh build/game [seconds]
# Needs Xvfb, xdotool and ImageMagick (tools/install-deps.sh installs them).
game=$(realpath "$1")
seconds=${2:-10}
root=$PWD
source "$root/tests/e2e/lib_x.sh"

hz=$(getconf CLK_TCK)
# cpu_ticks <pid>: user + system time of the process so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# share <pid> <label>: the process's CPU share of one core over the next $seconds seconds.
share() {
    local before after start end
    before=$(cpu_ticks "$1")
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(cpu_ticks "$1")
    end=$(date +%s.%N)
    awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" -v l="$2" \
        'BEGIN { printf "%-28s %5.1f %% of one core\n", l, 100 * t / hz / (e - s) }'
}

# thread_ticks <pid>: "<tid> <name> <ticks>" for each of the process's threads.
thread_ticks() {
    local t
    for t in /proc/"$1"/task/*; do
        awk -v tid="${t##*/}" -v name="$(cat "$t/comm")" '{print tid, name, $14 + $15}' "$t/stat"
    done
}

# thread_shares <pid> <label>: each thread's share of one core over the next $seconds seconds.
thread_shares() {
    thread_ticks "$1" >"$E2E_TMP/threads.before"
    sleep "$seconds"
    thread_ticks "$1" >"$E2E_TMP/threads.after"
    awk -v hz="$hz" -v s="$seconds" -v l="$2" 'NR == FNR { before[$1] = $3; next }
        { printf "  %s, thread %-16s %5.1f %% of one core\n", l, $2, 100 * ($3 - before[$1]) / hz / s }' \
        "$E2E_TMP/threads.before" "$E2E_TMP/threads.after"
}

# measure <label>: the game's and the X server's shares, sampled over the same seconds.
measure() {
    share "$GAME_PID" "game, $1" >"$E2E_TMP/game.share" &
    local sampler=$!
    share "$XVFB_PID" "X server, $1" >"$E2E_TMP/x.share"
    wait "$sampler"
    cat "$E2E_TMP/game.share" "$E2E_TMP/x.share"
}

start_x
started=$(date +%s%N)
start_game "$game"
id=$(wait_window 60)
echo "start-up to a mapped window    $(( ($(date +%s%N) - started) / 1000000 )) ms (polled every 50 ms)"
xdotool mousemove --window "$id" 900 700
sleep 3  # let start-up and the music's decoding finish before sampling
measure "main menu"

# Play: the button is read while held; hold it for a few frames.
xdotool mousemove --window "$id" 500 314 mousedown 1
sleep 0.3
xdotool mouseup 1 mousemove --window "$id" 900 700
sleep 2
measure "play, level 1"
thread_shares "$GAME_PID" "play"

awk '/VmHWM/ {printf "game, peak resident memory   %5.1f MiB\n", $2 / 1024}' "/proc/$GAME_PID/status"
xdotool keydown Escape
wait_exit 30
xdotool keyup Escape
