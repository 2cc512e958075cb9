# The shipped game as it is: the repository's own res/ and lvl/, level 1 started from the menu
# and played along the first lines of its shipped solution. The panels are read by composing
# each digit's picture over the panel's picture, as the scene draws them: level 1 needs 14
# crystals, and the collected panel counts the ones taken. With E2E_SCREENSHOT set to a file
# name, the last frame checked is saved there (a picture of real play for the documentation).
game=$(realpath "$1")
root=$PWD
source "$(dirname "$0")/lib_x.sh"

game_data_copy

PLAY_FACE=$(pixel "$root/res/menu/playgame up.bmp" 20 28)
shot="$E2E_TMP/shot.png"

# The last digit of a panel: 14 x 22 pixels, 20 + 4 * 18 pixels right and 15 down of the panel's
# corner. digit_refs holds the checksum of each digit as it must look there.
digit_refs=()
for d in 0 1 2 3 4 5 6 7 8 9; do
    digit_refs[d]=$(convert "$root/res/score/panel.bmp" -crop 14x22+92+15 +repage \
        \( "$root/res/score/$d.bmp" -transparent '#FF00FF' \) -composite rgb:- | md5sum | cut -d' ' -f1)
done
last_digit() {  # last_digit <file.png> <panel x>: the digit shown, or "?"
    local got d
    got=$(region "$1" 14x22+$(($2 + 92))+25)
    for d in 0 1 2 3 4 5 6 7 8 9; do
        [ "$got" = "${digit_refs[d]}" ] && { echo $d; return; }
    done
    echo "?"
}
COLLECTED=355 NEEDED=481 DUG=890
expect_collected() {
    screenshot "$id" "$shot"
    local got
    got=$(last_digit "$shot" $COLLECTED)
    [ "$got" = "$1" ] || fail "after '$2' the collected panel shows $got, expected $1"
}
# walk <moves...>: steps as the solutions write them (3l is three steps left).
walk() {
    local move n k key
    for move in "$@"; do
        n=${move%[udlr]}
        case ${move: -1} in u) key=Up ;; d) key=Down ;; l) key=Left ;; r) key=Right ;; esac
        for ((k = 0; k < ${n:-1}; k++)); do step "$id" $key "walk $*"; done
    done
}

start_x
launch_in "$work" "$game"
wait_pixel 30 "$id" $((416 + 20)) $((286 + 28)) "$PLAY_FACE" || fail "the menu's play button never appeared"
label_gone() { screenshot "$id" "$shot" && [ "$(pixel "$shot" 441 355)" != DDDDDD ]; }
press_until 20 "$id" 500 314 label_gone || fail "pressing play did not leave the menu"
xdotool mousemove --window "$id" 900 700
wait_pixel 10 "$id" 12 12 DDDDDD || fail "the play screen's sound label is missing"

screenshot "$id" "$shot"
[ "$(last_digit "$shot" $NEEDED)" = 4 ] || fail "the needed panel does not show level 1's 14 crystals"
expect_collected 0 "the start"
walk 3r
expect_collected 1 "the crystal beside the stair"
walk 2u 7r 2d
expect_collected 2 "the crystal on the far floor"
walk 4u r
expect_collected 3 "the loose crystal"
walk d 4r u
expect_collected 4 "the crystal buried on the right"
screenshot "$id" "$shot"
[ "$(last_digit "$shot" $DUG)" = 8 ] || fail "the dug panel does not end in 8 after 8 digs"
if [ -n "${E2E_SCREENSHOT:-}" ]; then cp "$shot" "$E2E_SCREENSHOT"; fi

quit_game
echo "real level 1: ok"
