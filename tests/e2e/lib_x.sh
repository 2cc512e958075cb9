# Shared helpers for the end-to-end tests: a private X server, finding the game's window,
# keys, mouse and screenshots read back as pixels. Source it; it cleans up on exit.
# Everything polls with a timeout instead of sleeping blindly, so a slow machine only waits longer.

set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/game-e2e.XXXXXX)
# The game keeps a demo of every attempt in the user's data folder: keep the tests' out of it.
export XDG_DATA_HOME="$E2E_TMP/data"
XVFB_PID=""
GAME_PID=""

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] && echo "kept $E2E_TMP" >&2 || rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for <seconds> <command...>: polls every 50 ms until the command succeeds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

# game_data_copy: a working folder in the test's temporary folder that sees the repository's res/
# and lvl/ (the caller runs from the repository root); sets `work` to it.
game_data_copy() {
    work="$E2E_TMP/work"
    mkdir -p "$work"
    ln -s "$PWD/res" "$work/res"
    ln -s "$PWD/lvl" "$work/lvl"
}

# start_x: a private X server on a display number the server picks itself (so parallel tests and
# other servers never collide); keys held with xdotool keydown do not auto-repeat. -noreset: by
# default the server resets whenever its last client leaves, and a client connecting during that
# reset (each xdotool call is a client of its own, and the game may just have ended) is refused
# with "Can't open display".
start_x() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        -ardelay 600000 -arinterval 600000 \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 30 test -s "$E2E_TMP/display" || fail "no X server started: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
    wait_for 30 xdpyinfo || fail "X server $DISPLAY does not answer"
}

# start_game <game> [args...]: starts the program in the background (working directory: the
# caller's), with its output in $E2E_TMP/game.log.
start_game() {
    "$@" >"$E2E_TMP/game.log" 2>&1 &
    GAME_PID=$!
}

# launch_in <dir> <game> [args...]: starts the game with <dir> as its working directory (where it
# finds res/ and lvl/), waits for its window and sets id; then puts the pointer in the window, away
# from every widget: with no window manager the pointer is what gives a window the keyboard.
launch_in() {
    local dir=$1
    shift
    pushd "$dir" >/dev/null
    start_game "$@"
    popd >/dev/null
    id=$(wait_window 60)
    xdotool mousemove --window "$id" 900 700
}

# window_id: the id of the window titled exactly "game" (empty when there is none).
window_id() { xdotool search --name '^game$' 2>/dev/null | head -n 1; }

# wait_window <seconds>: waits for the game's window and prints its id. The id is taken in the
# same poll that sees it and checked to still exist, so a window that appears and goes during
# start-up (or a search racing with window creation) is simply polled past.
wait_window() {
    local deadline=$((SECONDS + $1)) id=""
    while :; do
        id=$(window_id)
        if [ -n "$id" ] && xdotool getwindowgeometry "$id" >/dev/null 2>&1; then
            echo "$id"
            return 0
        fi
        [ $SECONDS -ge $deadline ] && break
        sleep 0.05
    done
    fail "no window titled 'game' appeared; log: $(cat "$E2E_TMP/game.log")"
}

# window_size <id>: prints "WIDTHxHEIGHT".
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }

# screenshot <id> <file.png>
screenshot() { import -window "$1" "$2"; }

# pixel <file.png> <x> <y>: the pixel as RRGGBB (upper case).
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr a-f A-F; }

# pixels <file.png> <x> <y> [<x> <y>...]: several pixels read in one pass, one RRGGBB a line.
pixels() {
    local file=$1 format=""
    shift
    while [ $# -ge 2 ]; do
        format+="%[hex:p{$1,$2}]\n"
        shift 2
    done
    convert "$file" -format "$format" info: | cut -c1-6 | tr a-f A-F
}

# region <file.png> <WxH+X+Y>: a checksum of that rectangle's pixels.
region() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }

# window_sum <id>: a checksum of the whole window's pixels (quicker than a picture file).
window_sum() { import -window "$1" rgb:- | md5sum | cut -d' ' -f1; }
window_changed() { [ "$(window_sum "$1")" != "$2" ]; }

# wait_pixel <seconds> <id> <x> <y> <RRGGBB>: polls screenshots of the window until that pixel
# has that colour; fails (status 1) when it has not within the time.
wait_pixel() {
    local deadline=$((SECONDS + $1)) shot="$E2E_TMP/wait.png"
    while :; do
        if screenshot "$2" "$shot" 2>/dev/null && [ "$(pixel "$shot" "$3" "$4")" = "$5" ]; then
            return 0
        fi
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

# wait_region_not <seconds> <id> <WxH+X+Y> <checksum>: polls until the rectangle differs from
# the checksum (as region prints it).
wait_region_not() {
    local deadline=$((SECONDS + $1)) shot="$E2E_TMP/wait.png"
    while :; do
        if screenshot "$2" "$shot" 2>/dev/null && [ "$(region "$shot" "$3")" != "$4" ]; then
            return 0
        fi
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

# release_keys <key...>: lets the keys go and leaves them up long enough for several frames to
# see them released (the game reads held keys once a frame, so an up and the next down inside
# one frame would look like one long press).
release_keys() {
    xdotool keyup "$@"
    sleep 0.15
}
# release_button: the same for the left mouse button (toggles act on a press that follows a
# release seen by a frame).
release_button() {
    xdotool mouseup 1
    sleep 0.15
}

# wait_exit <seconds>: waits for the game to end and sets GAME_STATUS to its exit status (not in
# a subshell: only this shell can wait for its own child).
wait_exit() {
    local seconds=$1 deadline=$((SECONDS + $1))
    while kill -0 "$GAME_PID" 2>/dev/null; do
        [ $SECONDS -ge $deadline ] && fail "the game did not end within ${seconds} s"
        sleep 0.05
    done
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

# step <id> <key> <what>: one step of the player, the key held until the window changes, then
# released; fails with <what> when nothing changes (every step of a test either moves the view or
# at least turns the player). A press that the game took for the tail of the last one (its
# release fell between two frames on a loaded machine) changes nothing for seconds: it is let go
# and pressed again.
step() {
    local before try
    before=$(window_sum "$1")
    for try in 1 2 3; do
        xdotool keydown "$2"
        if wait_for 3 window_changed "$1" "$before"; then
            release_keys "$2"
            return 0
        fi
        release_keys "$2"
    done
    fail "$3: the window did not change"
}

# The window drops every held key and button when it gains the keyboard focus, which comes a
# moment after it appears (and again when the pointer enters it): a press made in that moment is
# lost. So presses that wait for an effect are let go and made again when nothing happens.

# press_until <seconds> <id> <x> <y> <command...>: holds the left button at (x, y) in the window
# until the command succeeds, pressing again every 3 seconds; then lets go. Status 1 on timeout.
press_until() {
    local deadline=$((SECONDS + $1)) win=$2 x=$3 y=$4
    shift 4
    xdotool mousemove --window "$win" "$x" "$y"
    while :; do
        xdotool mousedown 1
        if wait_for 3 "$@"; then
            release_button
            return 0
        fi
        release_button
        [ $SECONDS -ge $deadline ] && return 1
    done
}

# shows_at <id> <x> <y> <RRGGBB>: the window shows that colour there now.
shows_at() { screenshot "$1" "$E2E_TMP/now.png" && [ "$(pixel "$E2E_TMP/now.png" "$2" "$3")" = "$4" ]; }

game_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# close_request <id>: what the window's close button sends, from the helper built beside the
# calling test's $game.
# shellcheck disable=SC2154
close_request() { "$(dirname "$game")/e2e_close_request" "$1" || fail "could not send the close request"; }

# quit_game [<what>]: holds Escape until the game ends (pressing again every 3 seconds), and
# checks that it ended with status 0.
quit_game() {
    local deadline=$((SECONDS + 30))
    until game_ended; do
        xdotool keydown Escape
        wait_for 3 game_ended || true
        xdotool keyup Escape
        [ $SECONDS -ge $deadline ] && fail "${1:-the game}: Escape did not end it"
    done
    wait_exit 1
    [ "$GAME_STATUS" = "0" ] || fail "${1:-the game}: exit status $GAME_STATUS, expected 0"
}
