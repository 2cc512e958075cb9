# Demos in the real window. Recording: level 1 started from the menu and played along the first
# line of its solution with key presses at human timing (held and let go at whatever frame they
# fall on), then Escape; the session file and the level's last demo are both kept, and replayed
# headless they end alike (the crystal beside the stair collected, the same final digest).
# Watching: "--watch 1" shows level 1's proven solution up to its level-complete dialog. A demo
# that is no demo, or names a missing level, gives one message and status 2 without a window.
game=$(realpath "$1")
replay="$(dirname "$game")/tools/replay/replay"
root=$PWD
source "$(dirname "$0")/lib_x.sh"

game_data_copy
mkdir -p "$work/levels"
ln -s "$root/levels/solutions" "$work/levels/solutions"
PLAY_FACE=$(pixel "$root/res/menu/playgame up.bmp" 20 28)
OK_FACE=$(pixel "$root/res/menu/okup.bmp" 100 40)
shot="$E2E_TMP/shot.png"

echo "garbage" >"$E2E_TMP/bad.demo"
status=0
(cd "$work" && "$game" --play "$E2E_TMP/bad.demo") 2>"$E2E_TMP/bad.log" || status=$?
[ "$status" = 2 ] || fail "a bad demo gave status $status, expected 2"
grep -q "bad.demo: line 1: not a demo" "$E2E_TMP/bad.log" || fail "bad demo: $(cat "$E2E_TMP/bad.log")"

printf 'game-demo 1\nlevel 77\nframes\nend 0\n' >"$E2E_TMP/far.demo"
status=0
(cd "$work" && "$game" --play "$E2E_TMP/far.demo") 2>"$E2E_TMP/far.log" || status=$?
[ "$status" = 2 ] || fail "a demo of a missing level gave status $status, expected 2"
grep -q "level 77, but lvl.Level77.dat cannot be read" "$E2E_TMP/far.log" ||
    fail "missing level: $(cat "$E2E_TMP/far.log")"

start_x
launch_in "$work" "$game" --record "$E2E_TMP/session.demo"
wait_pixel 30 "$id" $((416 + 20)) $((286 + 28)) "$PLAY_FACE" || fail "the menu's play button never appeared"
label_gone() { screenshot "$id" "$shot" && [ "$(pixel "$shot" 441 355)" != DDDDDD ]; }
press_until 20 "$id" 500 314 label_gone || fail "pressing play did not leave the menu"
xdotool mousemove --window "$id" 900 700
wait_pixel 10 "$id" 12 12 DDDDDD || fail "the play screen's sound label is missing"
for k in 1 2 3; do step "$id" Right "walk 3r"; done
sleep 0.3
quit_game "recording"

kept="$XDG_DATA_HOME/game/demos/Level1-last.demo"
[ -s "$E2E_TMP/session.demo" ] || fail "no session demo was written"
[ -s "$kept" ] || fail "no last demo of level 1 in $XDG_DATA_HOME/game/demos"
(cd "$work" && "$replay" --demo "$E2E_TMP/session.demo") >"$E2E_TMP/session.txt" ||
    fail "the session demo does not replay: $(cat "$E2E_TMP/session.txt")"
(cd "$work" && "$replay" --demo "$kept") >"$E2E_TMP/kept.txt" || fail "the last demo does not replay"
grep -q "alive: level 1" "$E2E_TMP/session.txt" || fail "replayed: $(cat "$E2E_TMP/session.txt")"
grep -q "collected 1 of 14" "$E2E_TMP/session.txt" || fail "replayed: $(cat "$E2E_TMP/session.txt")"
[ "$(grep final "$E2E_TMP/session.txt")" = "$(grep final "$E2E_TMP/kept.txt")" ] ||
    fail "the session and the last demo end apart"

# Playing the recording back, held still by Space: it begins with 600 idle frames (10 s), so a
# picture unchanged 13 s after the pause shows the pause held; Space again lets the walk go on.
awk '$1 == "frames" { body = 1 } body && $2 == "-" && !done { print "600 -"; add = 600 - $1; done = 1; next }
     $1 == "end" { print "end", $2 + add; next } { print }' "$E2E_TMP/session.demo" >"$E2E_TMP/slow.demo"
launch_in "$work" "$game" --play "$E2E_TMP/slow.demo"
wait_pixel 10 "$id" 12 12 DDDDDD || fail "the played demo shows no play screen"
sleep 1
xdotool keydown space
sleep 0.2
release_keys space
paused=$(window_sum "$id")
sleep 13
[ "$(window_sum "$id")" = "$paused" ] || fail "the demo went on while paused"
xdotool keydown space
sleep 0.2
release_keys space
wait_for 15 window_changed "$id" "$paused" || fail "the demo did not go on after the pause"
quit_game "playing"

launch_in "$work" "$game" --watch 1
wait_pixel 120 "$id" $((416 + 100)) $((360 + 40)) "$OK_FACE" ||
    fail "watching level 1 never reached the level-complete dialog"
quit_game "watching"
echo "demos: ok"
