# A level played the way a player plays it, on the flat-colour pack (every pixel tells a tile):
# steps that dig and push change the view and the dug counter; digging under a stone and staying
# gets the player killed, and the respawn button restarts the level; crystals are collected and
# open the exit; TNT clears its 3 x 3 square and nothing beyond; the exit brings the
# level-complete dialog, whose button leads to level 2. A second run types the code the dialog
# showed into the menu: it looks the same in the menu's box and starts level 2.
game=$(realpath "$1")
root=$PWD
source "$(dirname "$0")/lib_x.sh"
source "$(dirname "$0")/lib_pack.sh"

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
make_pack "$work"
sx=$START_X sy=$START_Y
# Level 1, around the start S: to the right two cells of earth, a stone to push into a hollow,
# and a stone over the cell above where the push ends; to the left a crystal, a crystal in
# earth and a TNT charge with a block, a massive wall and a barrel around it; the exit under S.
write_level "$work/lvl/Level1.dat" $T_BLOCK \
    $((sx + 3)),$sy,$T_STONE $((sx + 4)),$sy,$T_EMPTY $((sx + 3)),$((sy - 2)),$T_STONE \
    $((sx - 1)),$sy,$T_CRYSTAL $((sx - 2)),$sy,$T_CRYSTALEARTH $((sx - 3)),$sy,$T_TNT \
    $((sx - 3)),$((sy - 1)),$T_BLOCK $((sx - 3)),$((sy + 1)),$T_MASSIVE \
    $((sx - 4)),$sy,$T_BARREL $sx,$((sy + 1)),$T_STAIRDOWN
write_level "$work/lvl/Level2.dat" $T_PICKAXE

shot="$E2E_TMP/shot.png"
snap() { screenshot "$id" "$shot"; }
# expect_cells <what> <dx> <dy> <colour> ...: the cells around the player hold those tiles.
expect_cells() {
    local what=$1 coords=() want=() got
    shift
    while [ $# -ge 3 ]; do
        coords+=("$1" "$2")
        want+=("$3")
        shift 3
    done
    got=$(cells "$shot" "${coords[@]}")
    [ "$got" = "${want[*]}" ] || fail "$what: cells ${coords[*]} show $got, expected ${want[*]}"
}
expect_panel() {  # expect_panel <panel x> <value> <what>
    local got
    got=$(panel_value "$shot" "$1")
    [ "$got" = "$2" ] || fail "$3 shows $got, expected $2"
}
# Settled: the window shows the same frame before and after the screenshot that the checks then
# read (nothing falling or being drawn anew).
settled() {
    local a
    a=$(window_sum "$id") && snap && [ "$(window_sum "$id")" = "$a" ]
}
settle() { wait_for 10 settled || fail "the screen does not settle"; }
# The glyphs of the level-code box (black on white or grey), as a checksum of a black-and-white
# mask. Only their top six rows: the dialog's button covers the last two. The caret after six
# letters lies just right of the cropped columns.
code_glyphs() {
    convert "$1" -crop 47x6+538+354 +repage -colorspace gray -threshold 25% rgb:- | md5sum
}

start_x
launch_in "$work" "$game"
wait_pixel 30 "$id" 512 314 $C_PLAY_UP || fail "the menu's play button never appeared"
press_until 20 "$id" 500 314 shows_at "$id" 512 314 $C_EARTH || fail "pressing play did not leave the menu"
xdotool mousemove --window "$id" 900 700
settle
expect_cells "level 1 at its start" -6 -4 $C_BLOCK 0 1 $C_STAIRDOWN_CLOSED -1 0 $C_CRYSTAL \
    3 0 $C_STONE 4 0 $C_BACKGROUND 3 -2 $C_STONE
expect_panel $PANEL_NEEDED 2 "the needed panel"
expect_panel $PANEL_DUG 0 "the dug panel at the start"
start_view=$(window_sum "$id")

# Walking and digging: two steps right through earth; the stair is left behind.
step "$id" d "the first step right"
settle
expect_cells "one step right" -1 0 $C_STAIRUP 2 0 $C_STONE
expect_panel $PANEL_DUG 1 "the dug panel after one dig"
step "$id" d "the second step right"
settle
expect_panel $PANEL_DUG 2 "the dug panel after two digs"

# Pushing: the stone moves into the hollow, the player takes its place, nothing is dug.
step "$id" d "the step that pushes the stone"
settle
expect_cells "after the push" 1 0 $C_STONE -1 0 $C_BACKGROUND 0 -2 $C_STONE
expect_panel $PANEL_DUG 2 "the dug panel after the push"

# Digging the earth under the other stone and staying there: it falls on the player.
step "$id" w "the step up under the stone"
wait_pixel 10 "$id" $((387 + 125)) $((259 + 20)) $C_DEAD_NOTICE ||
    fail "the falling stone did not kill the player"
wait_pixel 10 "$id" $((416 + 96)) $((360 + 32)) $C_OK_UP || fail "no respawn button"
snap
expect_panel $PANEL_DUG 3 "the dug panel after digging under the stone"

# Respawn: the level as it began, counters at zero.
press_until 10 "$id" 512 392 eval '[ "$(window_sum "$id")" = "$start_view" ]' ||
    fail "respawn did not restart the level as it began"
xdotool mousemove --window "$id" 900 700

# The crystals: the loose one, then the one in earth; the exit opens with the second.
step "$id" a "the step onto the crystal"
settle
expect_panel $PANEL_COLLECTED 1 "the collected panel after one crystal"
step "$id" a "the step into the crystal in earth"
settle
expect_panel $PANEL_COLLECTED 2 "the collected panel after two crystals"
expect_panel $PANEL_DUG 0 "the dug panel after the crystal in earth (a crystal, not a dig)"
expect_cells "the open exit" 2 1 $C_STAIRDOWN

# TNT: taken (its icon shows at the top), placed with Space, left two cells behind.
step "$id" a "the step onto the TNT"
wait_pixel 10 "$id" $((204 + 32)) 32 $C_TNTPLACED || fail "taking the TNT shows no icon"
xdotool keydown space
wait_for 10 eval '[ "$(snap && pixel "$shot" 236 32)" != "$C_TNTPLACED" ]' ||
    fail "Space did not place the TNT"
release_keys space
step "$id" d "the first step away from the TNT"
step "$id" d "the second step away from the TNT"
snap
expect_cells "the lit charge and its square" -2 0 $C_TNTPLACED -2 -1 $C_BLOCK -2 1 $C_MASSIVE \
    -3 0 $C_BARREL
# The blast: all nine cells of the square empty, the cells beyond it untouched.
blasted() {
    snap && [ "$(cells "$shot" -3 -1 -3 0 -3 1 -2 -1 -2 0 -2 1 -1 -1 -1 0 -1 1)" = \
        "$(printf "$C_BACKGROUND %.0s" {1..9} | sed 's/ $//')" ]
}
wait_for 15 blasted || fail "the TNT did not clear its square; cells: $(cells "$shot" -3 -1 -3 0 \
    -3 1 -2 -1 -2 0 -2 1 -1 -1 -1 0 -1 1)"
expect_cells "around the blast" -4 0 $C_EARTH -2 -2 $C_EARTH -2 2 $C_EARTH 0 -1 $C_EARTH

# The exit: back to the stair, down onto the open exit; the dialog shows over the last frame.
step "$id" d "the step back to the stair"
step "$id" s "the step onto the exit"
wait_pixel 10 "$id" $((416 + 96)) $((360 + 32)) $C_OK_UP || fail "the exit brought no dialog"
cp "$E2E_TMP/wait.png" "$E2E_TMP/dialog.png"  # the widgets are drawn together: the box is there
dialog_code=$(code_glyphs "$E2E_TMP/dialog.png")
convert "$E2E_TMP/dialog.png" -crop 47x6+538+354 +repage -format '%[fx:minima.r]' info: | grep -qx 0 ||
    fail "the dialog's code box is empty"

# Its button: level 2 follows (its own mark in the corner), with fresh counters.
press_until 10 "$id" 512 392 shows_at "$id" $(cell_x -6) $(cell_y -4) $C_PICKAXE ||
    fail "the dialog's button did not start level 2"
xdotool mousemove --window "$id" 900 700
settle
expect_panel $PANEL_COLLECTED 0 "the collected panel on level 2"
expect_panel $PANEL_NEEDED 0 "the needed panel on level 2"

quit_game "the first run"

# The code typed into the menu: the same glyphs as in the dialog, and level 2 starts.
launch_in "$work" "$game"
wait_pixel 30 "$id" 512 314 $C_PLAY_UP || fail "the menu's play button never appeared (second run)"
press_until 10 "$id" 560 356 shows_at "$id" 537 357 000000 || fail "the code box never showed its caret"
xdotool mousemove --window "$id" 900 700  # the toolkit's I-beam would cover the letters
xdotool type --delay 100 MUDeFa
wait_for 10 eval '[ "$(snap && code_glyphs "$shot")" = "$dialog_code" ]' ||
    fail "the code typed into the menu does not look like the one the dialog showed"
press_until 20 "$id" 500 314 shows_at "$id" $(cell_x -6) $(cell_y -4) $C_PICKAXE ||
    fail "the typed code did not start level 2"

quit_game "the second run"
echo "world: ok"
