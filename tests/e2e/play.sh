# Playing: the menu appears over level 1, the play button starts level 1, a key press moves the
# player (the cells around the centre change), Enter gives up (the "respawn" button appears), the
# button restarts the level exactly as it began, and holding Escape ends the game with status 0.
# Runs in a private working directory with the project's res/ and a level 1 of its own, so every
# screen is predictable.
game=$(realpath "$1")
root=$PWD
source "$(dirname "$0")/lib_x.sh"

# write_level <file> <start x> <start y>: a massive frame, earth inside, the start stair at (x, y);
# one column per line, as the level format stores them.
write_level() {
    awk -v sx="$2" -v sy="$3" 'BEGIN {
        for (x = 0; x < 64; x++) {
            line = ""
            for (y = 0; y < 64; y++) {
                c = (x == 0 || y == 0 || x == 63 || y == 63) ? 6 : 0
                if (x == sx && y == sy) c = 4
                line = line (y ? "," : "") c
            }
            print line
        }
    }' >"$1"
}

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
ln -s "$root/res" "$work/res"
write_level "$work/lvl/Level1.dat" 10 10

# The buttons' own pixels, read from their pictures, to recognise them on screen.
PLAY_FACE=$(pixel "$root/res/menu/playgame up.bmp" 20 28)
OK_FACE=$(pixel "$root/res/menu/okup.bmp" 100 40)

shot="$E2E_TMP/shot.png"
# shows <x> <y> <RRGGBB>: the window shows that colour there now.
shows() { screenshot "$id" "$shot" && [ "$(pixel "$shot" "$1" "$2")" = "$3" ]; }
shows_not() { screenshot "$id" "$shot" && [ "$(pixel "$shot" "$1" "$2")" != "$3" ]; }
# centre: a checksum of the 3 x 3 cells around the player's cell.
centre() {
    screenshot "$id" "$shot" && convert "$shot" -crop 192x192+384+256 +repage rgb:- | md5sum
}
centre_is_not() { [ "$(centre)" != "$1" ]; }
centre_is() { [ "$(centre)" = "$1" ]; }

start_x
launch_in "$work" "$game"
[ "$(window_size "$id")" = "1024x768" ] || fail "window is $(window_size "$id"), expected 1024x768"

wait_for 30 shows $((416 + 20)) $((286 + 28)) "$PLAY_FACE" || fail "the menu's play button never appeared"
shows 441 355 DDDDDD || fail "no level-code label beside the play button"

# Play: the button fires while held; the menu is gone once the code label is.
press_until 20 "$id" 500 314 shows_not 441 355 DDDDDD || fail "pressing play did not leave the menu"
xdotool mousemove --window "$id" 900 700
wait_for 10 shows 12 12 DDDDDD || fail "the play screen's sound label is missing"
centre_settled() { local a b; a=$(centre); b=$(centre); [ "$a" = "$b" ]; }
wait_for 10 centre_settled || fail "the play screen does not settle"
start_view=$(centre)

# One step right: the player digs into the earth and the view moves one cell.
step "$id" d "pressing D"
wait_for 10 centre_is_not "$start_view" || fail "pressing D did not move the player"

# Enter gives up: the "respawn" button appears under the dead notice.
step "$id" Return "pressing Enter"
wait_for 10 shows $((416 + 100)) $((360 + 40)) "$OK_FACE" || fail "Enter did not bring the respawn button"

# Respawn: the level restarts as it began (the dug cell is earth again, the player on the stair).
press_until 10 "$id" 516 400 centre_is "$start_view" || fail "respawn did not restart the level as it began"
xdotool mousemove --window "$id" 900 700

quit_game
echo "play: ok"
