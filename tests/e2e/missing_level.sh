# A level that does not exist: typing 99 into the menu's code box and pressing play reports the
# missing file through a second instance of the program (a 640 x 480 window also titled "game",
# in a process of its own); Escape in that window ends both with status 0, and the message is on
# standard error too. Runs in a private working directory that holds res/ and only level 1.
game=$(realpath "$1")
root=$PWD
source "$(dirname "$0")/lib_x.sh"

work="$E2E_TMP/work"
mkdir -p "$work/lvl"
ln -s "$root/res" "$work/res"
# Level 1, all earth with a massive frame: only the menu's backdrop needs it.
awk 'BEGIN { for (x = 0; x < 64; x++) { line = ""
    for (y = 0; y < 64; y++) line = line (y ? "," : "") ((x % 63 == 0 || y % 63 == 0) ? 6 : 0)
    print line } }' >"$work/lvl/Level1.dat"

PLAY_FACE=$(pixel "$root/res/menu/playgame up.bmp" 20 28)
shot="$E2E_TMP/shot.png"
shows() { screenshot "$id" "$shot" && [ "$(pixel "$shot" "$1" "$2")" = "$3" ]; }
# error_window: the id of a 640 x 480 window titled "game" (the report), empty when none.
error_window() {
    local w
    for w in $(xdotool search --name '^game$' 2>/dev/null); do
        [ "$(window_size "$w")" = "640x480" ] && { echo "$w"; return; }
    done
}
has_error_window() { [ -n "$(error_window)" ]; }

start_x
launch_in "$work" "$game"
wait_for 30 shows $((416 + 20)) $((286 + 28)) "$PLAY_FACE" || fail "the menu's play button never appeared"

# Focus the code box (held until its caret blinks: a press is seen only by a frame), type 99
# (one key per frame is taken), then press play.
press_until 10 "$id" 560 356 shows 537 357 000000 || fail "the code box never showed its caret"
xdotool type --delay 100 99
# Both digits show: black glyph pixels in the second character cell.
second_digit_shown() {
    screenshot "$id" "$shot" &&
        convert "$shot" -crop 6x8+547+354 +repage -format '%[fx:minima.r]' info: | grep -qx 0
}
wait_for 10 second_digit_shown || fail "the typed code does not show in the code box"
press_until 30 "$id" 500 314 has_error_window ||
    fail "no error window appeared; log: $(cat "$E2E_TMP/game.log")"
err=$(error_window)
[ -n "$(pgrep -P "$GAME_PID")" ] || fail "the error window is not a second process of the game"
kill -0 "$GAME_PID" || fail "the game did not wait for its error window"

xdotool mousemove --window "$err" 320 240
quit_game "Escape in the error window"
has_error_window && fail "the error window is still open"
grep -qF "Could not open file 'lvl\\Level99.dat'" "$E2E_TMP/game.log" ||
    fail "the message is not on standard error; log: $(cat "$E2E_TMP/game.log")"
echo "missing level: ok"
