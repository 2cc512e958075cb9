# The installed game: `cmake --install` into a throwaway prefix lays out the program, the sound
# library and its header, the data, a valid desktop entry and metainfo, the icons and the man
# page; the .deb that cpack makes carries the same with its dependencies; and both installed
# programs, started from an unrelated folder, find their data, show the menu and end on Escape
# with status 0.
game=$(realpath "$1")
build=$(dirname "$game")
root=$PWD
source "$(dirname "$0")/lib_x.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

prefix="$E2E_TMP/prefix"
cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$E2E_TMP/install.log")"
for f in bin/game include/zuplay/zuplay.h share/game/res/map/earth.bmp share/game/lvl/Level1.dat \
    share/man/man6/game.6 share/icons/hicolor/16x16/apps/game.png \
    share/icons/hicolor/256x256/apps/game.png; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
ls "$prefix"/lib*/libzuplay.so >/dev/null 2>&1 || fail "libzuplay.so not installed"
[ ! -f "$build/zuplay.pc" ] || ls "$prefix"/lib*/pkgconfig/zuplay.pc >/dev/null ||
    fail "zuplay.pc not installed"
[ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/48x48/apps/game.png")" = 48x48 ] ||
    fail "the 48 x 48 icon is not a 48 x 48 picture"
desktop-file-validate "$prefix"/share/applications/*.desktop || fail "the desktop entry is invalid"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$E2E_TMP/as.log" 2>&1 ||
    fail "the metainfo is invalid: $(cat "$E2E_TMP/as.log")"
echo "install layout: ok"

(cd "$build" && cpack -G DEB -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1) ||
    fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl2 libopenal1 libsndfile1 libc6; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib: $depends"
done
dpkg-deb -x "$deb" "$E2E_TMP/debroot"
echo "package: ok ($depends)"

PLAY_FACE=$(pixel "$root/res/menu/playgame up.bmp" 20 28)
shows() { screenshot "$id" "$E2E_TMP/shot.png" && [ "$(pixel "$E2E_TMP/shot.png" "$1" "$2")" = "$3" ]; }
mkdir -p "$E2E_TMP/elsewhere"
start_x
for installed in "$prefix/bin/game" "$E2E_TMP/debroot/usr/bin/game"; do
    launch_in "$E2E_TMP/elsewhere" "$installed"
    wait_for 30 shows $((416 + 20)) $((286 + 28)) "$PLAY_FACE" ||
        fail "$installed: the menu never appeared; log: $(cat "$E2E_TMP/game.log")"
    quit_game "$installed"
    echo "started from elsewhere: $installed: ok"
done
