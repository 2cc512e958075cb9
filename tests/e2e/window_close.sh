# Ending the game from the window: the window manager's close request (sent here as the close
# button sends it) ends it with status 0 from the menu, in play and in the error window; a window
# destroyed by another client, or an X connection closed under it, ends it with one line on
# standard error and a non-zero status, never an abort and never a process left without a window.
game=$(realpath "$1")
source "$(dirname "$0")/lib_x.sh"
source "$(dirname "$0")/lib_pack.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
make_pack "$work"
write_level "$work/lvl/Level1.dat" $T_BLOCK

open_menu() {
    launch_in "$work" "$game"
    wait_pixel 30 "$id" 512 314 $C_PLAY_UP || fail "the menu's play button never appeared"
}
left_menu() {
    screenshot "$id" "$E2E_TMP/now.png"
    local p
    p=$(pixel "$E2E_TMP/now.png" 512 314)
    [ "$p" != $C_PLAY_UP ] && [ "$p" != $C_PLAY_DOWN ]
}
expect_status() {  # expect_status <what> <status>
    wait_exit 20
    [ "$GAME_STATUS" = "$2" ] || fail "$1: exit status $GAME_STATUS, expected $2; log: $(cat "$E2E_TMP/game.log")"
}

start_x

open_menu
close_request "$id"
expect_status "close in the menu" 0
echo "close button in the menu: ok"

open_menu
press_until 20 "$id" 512 314 left_menu || fail "the play button did not start the level"
close_request "$id"
expect_status "close in play" 0
echo "close button in play: ok"

start_game "$game" ERROR ERROR "Could not open file 'lvl\Level3.dat'"
id=$(wait_window 45)
close_request "$id"
expect_status "close in the error window" 0
echo "close button in the error window: ok"

# lost <what>: the game ended with a failure status of its own (not an abort's 134) and said so
# in exactly one line.
lost() {
    wait_exit 20
    [ "$GAME_STATUS" != 0 ] && [ "$GAME_STATUS" -lt 128 ] ||
        fail "$1: exit status $GAME_STATUS; log: $(cat "$E2E_TMP/game.log")"
    [ "$(grep -c 'lost the display' "$E2E_TMP/game.log")" = 1 ] ||
        fail "$1: no single line about the display; log: $(cat "$E2E_TMP/game.log")"
}

open_menu
xdotool windowclose "$id"  # XDestroyWindow from another client
lost "destroyed window"
echo "destroyed window: ok"

open_menu
xdotool windowkill "$id"  # the server closes the game's connection
lost "closed connection"
echo "closed X connection: ok"
