# The error window: started as a fatal-error report would start it, the program shows a 640 x 480
# window titled "game" with the grey background, the locked title field and the " OK " button,
# and Escape ends it with status 0.
game=$1
source "$(dirname "$0")/lib_x.sh"
# In a sanitizer build, the system's display and D-Bus libraries leak a little at exit; that is
# not this program's to fix, and it must not turn status 0 into an abort.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# has_face <id>: the window shows the button's grey face (drawn after the first frame).
has_face() {
    screenshot "$1" "$E2E_TMP/poll.png" && [ "$(pixel "$E2E_TMP/poll.png" 308 463)" = "CCCCCC" ]
}

start_x
start_game "$game" ERROR ERROR "Could not open file 'lvl\Level3.dat'"
id=$(wait_window 45)
size=$(window_size "$id")
[ "$size" = "640x480" ] || fail "window is $size, expected 640x480"
wait_for 45 has_face "$id" || fail "the OK button's face never appeared"

shot="$E2E_TMP/error.png"
screenshot "$id" "$shot"
expect() {  # expect <x> <y> <RRGGBB> <what>
    local got
    got=$(pixel "$shot" "$1" "$2")
    [ "$got" = "$3" ] || fail "$4 at ($1, $2) is $got, expected $3"
}
expect 5 5 AAAAAA "background"
expect 630 470 AAAAAA "background"
expect 300 460 AAAAAA "background left of the button"
expect 304 455 DDDDDD "button's light frame corner"
expect 310 458 CCCCCC "button face"
expect 305 456 FFFFFF "button's light top edge"
expect 339 469 666666 "button's bottom shadow"
expect 10 10 AAAAAA "title field outline"
expect 600 20 DDDDDD "locked title field face"
expect 600 300 DDDDDD "locked message area face"

quit_game "Escape in the error window"

# Pressing " OK " ends it too (held until the program is gone: the button fires while pressed).
start_game "$game" ERROR Title "Message"
id=$(wait_window 45)
wait_for 45 has_face "$id" || fail "the OK button's face never appeared (second run)"
press_until 20 "$id" 320 463 game_ended || fail "pressing OK did not end the error window"
wait_exit 1
[ "$GAME_STATUS" = "0" ] || fail "exit status $GAME_STATUS, expected 0 after OK"

# Without a display the program says so on standard error and fails, instead of hanging. (The
# window library is held to X11 here: its off-screen fallback would open an invisible window.)
status=0
env -u DISPLAY SDL_VIDEODRIVER=x11 timeout 20 "$game" ERROR Title "Message" \
    >"$E2E_TMP/nodisplay.log" 2>&1 || status=$?
[ "$status" != "0" ] || fail "no display, yet exit status 0"
grep -q "cannot open the error window" "$E2E_TMP/nodisplay.log" ||
    fail "no display: no clear message; got: $(cat "$E2E_TMP/nodisplay.log")"
echo "error window: ok"
