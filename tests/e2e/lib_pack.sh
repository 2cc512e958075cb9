# A flat-colour resource pack and small test levels for the end-to-end tests, and helpers that
# read the play screen back through them: every tile, sprite, button and digit picture is one
# plain colour, so a single pixel tells what a cell holds or which digit a panel shows.
# Source it after lib_x.sh. Sounds are left out: a missing sound is silent, which is all a test
# under Xvfb can hear anyway.

# Colours (RRGGBB), one per picture. None is magenta, the key colour, and none is grey like the
# widgets drawn by the toolkit itself.
C_BACKGROUND=202020
C_EARTH=8B5A2B
C_STONE=808080
C_CRYSTAL=00FFFF
C_STAIRUP=00C000
C_STAIRDOWN=00FF00
C_STAIRDOWN_CLOSED=006000
C_MASSIVE=303060
C_BLOCK=A0A0FF
C_PICKAXE=FFFF00
C_BCRYSTAL=00A0FF
C_CRYSTALEARTH=40C0C0
C_BCRYSTALEARTH=4080C0
C_DEADEARTH=600060
C_BARREL=C06000
C_LEAK=0000FF
C_TNT=FF0000
C_TNTPLACED=FF8080
C_PLAYER_DOWN=E0E0E0
C_PLAYER_UP=E0E0A0
C_PLAYER_LEFT=E0A0E0
C_PLAYER_RIGHT=A0E0E0
C_PLAY_UP=3050A0
C_PLAY_DOWN=204080
C_BACK_UP=A05030
C_BACK_DOWN=804020
C_OK_UP=30A050
C_OK_DOWN=208040
C_DEAD_NOTICE=C0C030
C_PANEL=101040
# Digit d is F0 followed by d0 twice (3 is F03030), so the colour spells the digit.
digit_colour() { echo "F0$10$10"; }

# flat <file> <width> <height> <RRGGBB>: a 24-bit Windows bitmap of one colour.
flat() { convert -size "$2x$3" "xc:#$4" -type TrueColor "BMP3:$1"; }

# make_pack <dir>: writes <dir>/res with every picture the game loads (flames excepted: a missing
# picture is simply not drawn, and flames would only hide the cells a test reads).
make_pack() {
    local res=$1/res d
    mkdir -p "$res/map" "$res/player" "$res/menu" "$res/score"
    flat "$res/map/background.bmp" 64 64 $C_BACKGROUND
    flat "$res/map/earth.bmp" 64 64 $C_EARTH
    flat "$res/map/stone.bmp" 64 64 $C_STONE
    flat "$res/map/crystal.bmp" 64 64 $C_CRYSTAL
    flat "$res/map/stairup.bmp" 64 64 $C_STAIRUP
    flat "$res/map/stairdown.bmp" 64 64 $C_STAIRDOWN
    flat "$res/map/stairdownclosed.bmp" 64 64 $C_STAIRDOWN_CLOSED
    flat "$res/map/massive.bmp" 64 64 $C_MASSIVE
    flat "$res/map/block.bmp" 64 64 $C_BLOCK
    flat "$res/map/pickaxe.bmp" 64 64 $C_PICKAXE
    flat "$res/map/bcrystal.bmp" 64 64 $C_BCRYSTAL
    flat "$res/map/crystalearth.bmp" 64 64 $C_CRYSTALEARTH
    flat "$res/map/bcrystalearth.bmp" 64 64 $C_BCRYSTALEARTH
    flat "$res/map/deadearth.bmp" 64 64 $C_DEADEARTH
    flat "$res/map/barrel.bmp" 64 64 $C_BARREL
    flat "$res/map/leak.bmp" 64 64 $C_LEAK
    flat "$res/map/tnt.bmp" 64 64 $C_TNT
    flat "$res/map/tntplaced.bmp" 64 64 $C_TNTPLACED
    flat "$res/player/pdown.bmp" 64 64 $C_PLAYER_DOWN
    flat "$res/player/pup.bmp" 64 64 $C_PLAYER_UP
    flat "$res/player/pleft.bmp" 64 64 $C_PLAYER_LEFT
    flat "$res/player/pright.bmp" 64 64 $C_PLAYER_RIGHT
    flat "$res/menu/playgame up.bmp" 192 56 $C_PLAY_UP
    flat "$res/menu/playgame down.bmp" 192 56 $C_PLAY_DOWN
    flat "$res/menu/back up.bmp" 192 56 $C_BACK_UP
    flat "$res/menu/back down.bmp" 192 56 $C_BACK_DOWN
    flat "$res/menu/okup.bmp" 192 64 $C_OK_UP
    flat "$res/menu/okdown.bmp" 192 64 $C_OK_DOWN
    flat "$res/menu/veryweak.bmp" 250 96 $C_DEAD_NOTICE
    flat "$res/score/panel.bmp" 124 52 $C_PANEL
    for d in 0 1 2 3 4 5 6 7 8 9; do flat "$res/score/$d.bmp" 14 22 "$(digit_colour $d)"; done
}

# Tile codes of the level files.
T_EARTH=0 T_EMPTY=1 T_STONE=2 T_CRYSTAL=3 T_STAIRUP=4 T_STAIRDOWN=5 T_MASSIVE=6 T_BLOCK=7
T_PICKAXE=8 T_CRYSTALEARTH=10 T_BARREL=13 T_TNT=14

# Every test level starts the player at (START_X, START_Y) and carries a mark of its own at
# (START_X - 6, START_Y - 4), which is view cell (1, 1) while the player stands on the start.
START_X=10
START_Y=10

# write_level <file> <mark code> [<x>,<y>,<code>...]: a massive frame around earth, the start
# stair, the mark, and the listed cells; one map column per line, as level files store them.
write_level() {
    local file=$1 mark=$2
    shift 2
    awk -v sx=$START_X -v sy=$START_Y -v mark="$mark" -v cells="$*" 'BEGIN {
        n = split(cells, list, " ")
        for (i = 1; i <= n; i++) { split(list[i], f, ","); at[f[1] "," f[2]] = f[3] }
        at[sx "," sy] = 4
        at[(sx - 6) "," (sy - 4)] = mark
        for (x = 0; x < 64; x++) {
            line = ""
            for (y = 0; y < 64; y++) {
                c = (x == 0 || y == 0 || x == 63 || y == 63) ? 6 : 0
                if ((x "," y) in at) c = at[x "," y]
                line = line (y ? "," : "") c
            }
            print line
        }
    }' >"$file"
}

# cell_x <dx> / cell_y <dy>: the screen pixel in the middle of the view cell dx columns right and
# dy rows below the player's (the player stands in view cell (7, 5)).
cell_x() { echo $(((7 + $1) * 64 + 32)); }
cell_y() { echo $(((5 + $1) * 64 + 32)); }

# cells <file.png> <dx> <dy> [<dx> <dy>...]: the colours of those cells around the player.
cells() {
    local file=$1 args=()
    shift
    while [ $# -ge 2 ]; do
        args+=("$(cell_x "$1")" "$(cell_y "$2")")
        shift 2
    done
    pixels "$file" "${args[@]}" | tr '\n' ' ' | sed 's/ $//'
}

# The score panels' left edges; their five digits start 20 pixels in, 18 apart, 15 down.
PANEL_COLLECTED=355
PANEL_NEEDED=481
PANEL_DUG=890

# panel_value <file.png> <panel x>: the number the panel shows, read from its digits' colours
# ("?" for a digit that is not one of the pack's).
panel_value() {
    local args=() k colour value=""
    for k in 0 1 2 3 4; do args+=($(($2 + 20 + 18 * k + 7)) 36); done
    while read -r colour; do
        if [[ $colour =~ ^F0([0-9])0([0-9])0$ ]] && [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ]; then
            value+=${BASH_REMATCH[1]}
        else
            value+="?"
        fi
    done < <(pixels "$1" "${args[@]}")
    if [[ $value =~ ^[0-9]+$ ]]; then echo $((10#$value)); else echo "$value"; fi
}
