#!/usr/bin/env bash
# Regenerates the game's resource tree: builds the resource generator on its own (build-resgen/),
# rewrites every picture and sound effect under res/, synthesises the music and encodes it to
# res/sound/ambience.mp3 with lame, and redraws docs/contact-sheet.png with ImageMagick.
# The results are committed, so building or playing the game never runs this.
# Needs: cmake, ninja, a C++20 compiler, lame, ImageMagick (tools/install-deps.sh has them all).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

cmake -S tools/resgen -B build-resgen -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-resgen -j 2 >/dev/null
gen="$root/build-resgen/resgen"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Pictures and effects: replace the generated folders whole, so nothing stale stays behind.
rm -rf res/map res/player res/menu res/score res/anim
find res/sound -name '*.wav' -delete 2>/dev/null || true
"$gen" "$root"

# Music: synthesised as WAV, encoded once; the MP3 is what the game opens.
"$gen" --music "$work/ambience.wav"
lame --quiet --noreplaygain -V 6 "$work/ambience.wav" res/sound/ambience.mp3

# The sample player's MIDI test tune.
"$gen" --tune tests/zuplay/res/tune.mid

# Contact sheet: every picture, the Keyed ones over the backdrop as the game shows them, in the
# order the game loads them; the explosion in the order it plays (flame19 first).
sheet="$work/sheet"
backdrop=res/map/background.bmp
sections=()
section() {  # section <title> <columns> <bmp files...>: one titled block of the sheet, doubled
    local title=$1 columns=$2 dir="$sheet/${#sections[@]}" size
    shift 2
    mkdir -p "$dir"
    local shots=()
    for bmp in "$@"; do
        size=$(identify -format '%wx%h' "$bmp")
        convert -size "$size" "tile:$backdrop" \( "$bmp" -transparent '#FF00FF' \) -composite \
            -filter point -resize 200% "$dir/$(basename "$bmp" .bmp).png"
        shots+=("$dir/$(basename "$bmp" .bmp).png")
    done
    montage -background '#201C26' -fill '#E0D8C8' -pointsize 13 -label '%t' "${shots[@]}" \
        -tile "${columns}x" -geometry +6+6 "$dir.png"
    convert "$dir.png" -background '#201C26' -fill '#FFD046' -pointsize 18 -gravity north \
        -splice 0x28 -annotate +0+4 "$title" "$dir.png"
    sections+=("$dir.png")
}
map=()
for n in background earth crystalearth bcrystalearth deadearth massive block stone crystal \
         bcrystal barrel leak tnt tntplaced pickaxe stairup stairdown stairdownclosed; do
    map+=("res/map/$n.bmp")
done
section "res/map" 9 "${map[@]}"
section "res/player" 4 res/player/pdown.bmp res/player/pup.bmp res/player/pright.bmp \
    res/player/pleft.bmp
flames=()
for f in $(seq 19 -1 0); do flames+=("res/anim/flame$f.bmp"); done
section "res/anim (played from flame19 to flame0)" 10 "${flames[@]}"
section "res/menu" 2 "res/menu/playgame up.bmp" "res/menu/playgame down.bmp" \
    "res/menu/back up.bmp" "res/menu/back down.bmp" res/menu/okup.bmp res/menu/okdown.bmp
section "res/menu (dead notice)" 1 res/menu/veryweak.bmp
digits=(res/score/panel.bmp)
for d in 0 1 2 3 4 5 6 7 8 9; do digits+=("res/score/$d.bmp"); done
section "res/score" 11 "${digits[@]}"
mkdir -p docs
convert -background '#201C26' -gravity center "${sections[@]}" -append -depth 8 -strip \
    docs/contact-sheet.png
echo "regen-resources: res/ and docs/contact-sheet.png rewritten"
