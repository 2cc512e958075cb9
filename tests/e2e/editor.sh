# The level editor in the real window: a new level drawn with the mouse (a wall dragged with the
# pencil, the start stair, three crystals and an exit on the floor of the framed map, each kind
# chosen by its number key), tried with F5 and walked to the exit with key presses, saved with
# Ctrl+S with its proof, and left with the window's close button (which before the save only asked).
# The level tool then checks the saved level with its source and replays its proof; the replay
# tool finishes the demo on the level file; and "--level FILE" plays the file on its own.
game=$(realpath "$1")
tools="$(dirname "$game")/tools"
root=$PWD
source "$(dirname "$0")/lib_x.sh"

game_data_copy
level="$E2E_TMP/mine.dat"
shot="$E2E_TMP/shot.png"

# A cell of the map at 12 pixels a cell: its centre, and its 12 x 12 square for checksums.
centre() { echo $(($1 * 12 + 6)) $(($2 * 12 + 6)); }
square() { echo "12x12+$(($1 * 12))+$(($2 * 12))"; }
cell_sum() { screenshot "$id" "$shot" && region "$shot" "$(square "$1" "$2")"; }

# paint <key> <x> <y>: chooses the kind by its number key and clicks the cell until it changes
# (a click in the moment the window takes the focus is lost, and is made again).
paint() {
    local before
    xdotool key "$1"
    before=$(cell_sum "$2" "$3")
    # shellcheck disable=SC2046
    xdotool mousemove --window "$id" $(centre "$2" "$3")
    cell_changed() { [ "$(cell_sum "$2" "$3")" != "$1" ]; }
    press_until 15 "$id" $(centre "$2" "$3") cell_changed "$before" "$2" "$3" ||
        fail "painting cell ($2, $3) with key $1 changed nothing"
}

start_x
launch_in "$work" "$game" --edit "$level"
wait_for 30 shows_at "$id" 900 700 202428 || fail "the editor's panel never appeared"

paint 4 2 62  # the start stair on the floor
paint 6 3 62  # three crystals beside it
paint 6 4 62
paint 6 5 62
paint 5 7 62  # the exit
# A wall dragged along row 58 with the pencil (the window has the focus by now): every cell on
# the way is painted.
xdotool key 1
# shellcheck disable=SC2046
xdotool mousemove --window "$id" $(centre 2 58)
sleep 0.1
xdotool mousedown 1
sleep 0.1  # the game reads the mouse once a frame: the press is seen where it was made
for x in 4 6 8 10; do
    # shellcheck disable=SC2046
    xdotool mousemove --window "$id" $(centre "$x" 58)
    sleep 0.05
done
release_button
xdotool mousemove --window "$id" 900 700  # the cursor's frame off the map
for x in 2 5 7 10; do
    [ "$(cell_sum "$x" 58)" = "$(cell_sum 0 0)" ] || fail "the dragged wall missed cell ($x, 58)"
done

screenshot "$id" "$E2E_TMP/editor.png"

# With the drawing unsaved, the close button only asks (the game answers within a frame).
close_request "$id"
sleep 1
game_ended && fail "the close button dropped an unsaved level"

# F5 tries the level in the play screen; five steps right collect the crystals and reach the exit,
# which brings the editor back.
xdotool key F5
wait_for 20 shows_at "$id" 12 12 DDDDDD || fail "F5 did not start a test play"
for n in 1 2 3 4 5; do step "$id" Right "test play step $n"; done
wait_for 20 shows_at "$id" 900 700 202428 || fail "finishing the test play did not return to the editor"

xdotool key ctrl+s
wait_for 20 test -s "$E2E_TMP/mine.demo" || fail "Ctrl+S saved no proof: $(ls "$E2E_TMP")"
test -s "$E2E_TMP/mine.txt" || fail "Ctrl+S saved no source"
close_request "$id"
wait_exit 20
[ "$GAME_STATUS" = 0 ] || fail "closing the saved level's editor gave status $GAME_STATUS"

grep -q '^title: mine$' "$E2E_TMP/mine.txt" || fail "source: $(cat "$E2E_TMP/mine.txt")"
grep -q '^# \^\*\*\* v' "$E2E_TMP/mine.txt" || fail "the floor row: $(cat "$E2E_TMP/mine.txt")"
(cd "$root" && "$tools/levels/levels" check "$level") >"$E2E_TMP/check.log" 2>&1 ||
    fail "levels check: $(cat "$E2E_TMP/check.log")"
grep -q "proven" "$E2E_TMP/check.log" || fail "levels check: $(cat "$E2E_TMP/check.log")"
(cd "$root" && "$tools/replay/replay" --demo "$E2E_TMP/mine.demo" --level-file "$level") \
    >"$E2E_TMP/replay.log" 2>&1 || fail "replay: $(cat "$E2E_TMP/replay.log")"
grep -q "finished" "$E2E_TMP/replay.log" || fail "replay: $(cat "$E2E_TMP/replay.log")"

# The saved file plays on its own.
launch_in "$work" "$game" --level "$level"
wait_for 20 shows_at "$id" 12 12 DDDDDD || fail "--level did not start play"
quit_game "--level"
