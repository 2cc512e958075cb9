# The main menu as a player uses it, on the flat-colour pack. First run: the sound and music
# toggles start on and are switched off; a typed level number (50) starts that level, and the play
# screen's toggles show both off; its sound toggle switches back on there. Second run: the toggles
# are on again, and a level code with one letter's case changed starts level 1.
game=$(realpath "$1")
root=$PWD
source "$(dirname "$0")/lib_x.sh"
source "$(dirname "$0")/lib_pack.sh"

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
make_pack "$work"
write_level "$work/lvl/Level1.dat" $T_BLOCK
write_level "$work/lvl/Level2.dat" $T_PICKAXE
write_level "$work/lvl/Level50.dat" $T_TNT

shot="$E2E_TMP/shot.png"
# A toggle's box is 15 pixels square; on, a black cross runs through it, off it is plain white.
# Its pixel (3, 3) lies on the cross, away from where the pointer clicks.
SOUND_X=118 SOUND_Y=12 MUSIC_X=118 MUSIC_Y=27
toggles() {  # toggles: prints "<sound> <music>", each "on", "off" or the colour seen
    local colours c out=()
    screenshot "$id" "$shot"
    colours=$(pixels "$shot" $SOUND_X $SOUND_Y $MUSIC_X $MUSIC_Y)
    for c in $colours; do
        case $c in 000000) out+=(on) ;; FFFFFF) out+=(off) ;; *) out+=("$c") ;; esac
    done
    echo "${out[*]}"
}
toggles_are() { [ "$(toggles)" = "$1" ]; }
# flip <x> <y> <expected toggles after>: presses a toggle until it shows the change, then lets go.
# A press whose release before it no frame saw counts for nothing: it is let go and tried again.
flip() {
    local try
    for try in 1 2 3; do
        xdotool mousemove --window "$id" $(($1 + 4)) $(($2 + 4)) mousedown 1
        if wait_for 3 toggles_are "$3"; then
            release_button
            xdotool mousemove --window "$id" 900 700
            return 0
        fi
        release_button
    done
    fail "pressing the toggle at ($1, $2) gave: $(toggles), expected $3"
}
# open_menu: starts the game in the scratch directory and waits for the menu.
open_menu() {
    launch_in "$work" "$game"
    wait_pixel 30 "$id" 512 314 $C_PLAY_UP || fail "the menu's play button never appeared"
}
# play_with_code <text>: types the text into the code box and presses play.
play_with_code() {
    press_until 10 "$id" 560 356 shows_at "$id" 537 357 000000 || fail "the code box never showed its caret"
    xdotool mousemove --window "$id" 900 700
    xdotool type --delay 100 "$1"
    # The last character shows: black glyph pixels in its cell.
    local last=$((538 + 8 * (${#1} - 1)))
    last_shown() {
        screenshot "$id" "$shot" &&
            convert "$shot" -crop 7x8+$last+354 +repage -format '%[fx:minima.r]' info: | grep -qx 0
    }
    wait_for 10 last_shown || fail "'$1' does not show in the code box"
    press_until 20 "$id" 500 314 shows_at "$id" 512 314 $C_EARTH || fail "pressing play did not leave the menu"
    xdotool mousemove --window "$id" 900 700
}
# level_mark_is <colour> <level>: the started level's own mark is in view cell (1, 1).
level_mark_is() {
    wait_pixel 10 "$id" 96 96 "$1" ||
        fail "expected level $2's mark $1 in view cell (1, 1), found $(pixel "$E2E_TMP/wait.png" 96 96)"
}
quit() { quit_game; }

start_x

open_menu
wait_for 10 toggles_are "on on" || fail "the menu's toggles are $(toggles), expected both on"
flip $((SOUND_X - 3)) $((SOUND_Y - 3)) "off on"
flip $((MUSIC_X - 3)) $((MUSIC_Y - 3)) "off off"
play_with_code 50
level_mark_is $C_TNT 50
wait_for 10 toggles_are "off off" || fail "the play screen's toggles are $(toggles), expected both off"
flip $((SOUND_X - 3)) $((SOUND_Y - 3)) "on off"
quit

open_menu
wait_for 10 toggles_are "on on" || fail "a new start's toggles are $(toggles), expected both on"
play_with_code MUDefa  # level 2's code is MUDeFa
level_mark_is $C_BLOCK 1
wait_for 10 toggles_are "on on" || fail "the play screen's toggles are $(toggles), expected both on"
quit
echo "menu: ok"
