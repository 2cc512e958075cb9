#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it from the repository root.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh --play
# Tests need packages playing does not (GoogleTest, Benchmark): leave them out of this build.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGAME_TESTS=OFF >/dev/null
cmake --build build --target game
exec ./build/game "$@"
