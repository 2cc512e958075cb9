# Any window size: --scale 2 opens the window at twice the frame, a window made bigger shows the
# frame centred with black bars, F11 and Alt+Enter toggle full screen (the X server's screen is
# the desktop), the mouse works through the scaling (the play button pressed where it shows in
# full screen starts the level), and Alt+Enter in play is not the Enter that gives up the level.
game=$(realpath "$1")
source "$(dirname "$0")/lib_x.sh"
source "$(dirname "$0")/lib_pack.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
make_pack "$work"
write_level "$work/lvl/Level1.dat" $T_BLOCK
size_is() { [ "$(window_size "$id")" = "$1" ]; }
# at <x> <y> <RRGGBB> <what>: the window shows that colour there within 10 s.
at() { wait_pixel 10 "$id" "$1" "$2" "$3" || fail "$4: ($1, $2) is not $3"; }

start_x
launch_in "$work" "$game" --scale 2
size_is 2048x1536 || fail "--scale 2 opened a $(window_size "$id") window"
# (Bigger than the X server's screen, so not read back: the picture itself is the unit tests'.)
echo "scale 2: ok"

xdotool windowsize "$id" 1100 900 windowmove "$id" 20 20
wait_for 10 size_is 1100x900 || fail "the window did not take 1100 x 900"
wait_pixel 30 "$id" 550 380 $C_PLAY_UP || fail "the menu never appeared"
at 550 380 $C_PLAY_UP "the frame centred at (38, 66)"
at 37 380 000000 "the left bar"
at 550 65 000000 "the top bar"
at 1099 899 000000 "the bottom right corner"
echo "resized window: ok"

xdotool mousemove --window "$id" 1000 850
xdotool key F11
wait_for 10 size_is 1280x1024 || fail "F11 left the window at $(window_size "$id")"
at 640 442 $C_PLAY_UP "the frame centred in full screen"
at 100 100 000000 "the bar in full screen"
left_menu() {
    screenshot "$id" "$E2E_TMP/now.png"
    local p
    p=$(pixel "$E2E_TMP/now.png" 640 442)
    [ "$p" != $C_PLAY_UP ] && [ "$p" != $C_PLAY_DOWN ]
}
press_until 20 "$id" 640 442 left_menu || fail "the play button did not work in full screen"
echo "full screen and the mouse through it: ok"

xdotool mousemove --window "$id" 1200 1000
xdotool key alt+Return
wait_for 10 size_is 1100x900 || fail "Alt+Enter left the window at $(window_size "$id")"
xdotool mousemove --window "$id" 1000 850
sleep 1
shows_at "$id" $((38 + 512)) $((66 + 279)) $C_DEAD_NOTICE && fail "Alt+Enter gave up the level"
echo "Alt+Enter back to the window, still playing: ok"
quit_game "Escape after the window changes"
