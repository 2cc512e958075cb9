# Smoke test: the real program opens its 1024 x 768 window titled "game" under a private X
# server, and holding Escape ends it with status 0.
game=$1
source "$(dirname "$0")/lib_x.sh"

start_x
start_game "$game"
id=$(wait_window 60)
size=$(window_size "$id")
[ "$size" = "1024x768" ] || fail "window is $size, expected 1024x768"
# The pointer into the window, as a player's would be: with no window manager, that is what gives
# it the keyboard.
xdotool mousemove --window "$id" 900 700

quit_game
echo "smoke with a window: ok"

# Without any display the game says so and fails, instead of running unseen.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$game" >"$E2E_TMP/nodisplay.log" 2>&1 || status=$?
[ "$status" != "0" ] || fail "the game reported success without a display"
grep -q "cannot open" "$E2E_TMP/nodisplay.log" || fail "no clear message without a display"
echo "smoke without a display: ok"
