#!/usr/bin/env bash
# Regenerates everything made from the level sources: compiles every levels/LevelN.txt into
# lvl/LevelN.dat, draws every level file as docs/levels/LevelN.png and rewrites the level index
# docs/levels.md (which replays every solution), then runs the level checks. The results are
# committed; running it twice changes nothing the second time.
# Builds the level tool on its own (build-levels/, no tests); needs cmake, ninja, a C++20
# compiler and the game's libraries (tools/install-deps.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

cmake -S . -B build-levels -G Ninja -DCMAKE_BUILD_TYPE=Release -DGAME_TESTS=OFF >/dev/null
cmake --build build-levels --target levels -j 2 >/dev/null
tool="$root/build-levels/tools/levels/levels"

shopt -s nullglob
for source in levels/Level*.txt; do
    name="$(basename "$source" .txt)"
    "$tool" compile "$source" "lvl/$name.dat"
done

# Pictures: replaced whole, so a level that was removed leaves no picture behind.
mkdir -p docs/levels
rm -f docs/levels/Level*.png
for level in lvl/Level*.dat; do
    "$tool" render "$level" "docs/levels/$(basename "$level" .dat).png"
done

"$tool" index docs/levels.md
"$tool" check
