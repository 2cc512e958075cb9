#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal (Release) build, then the
# whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer (the long soak, label
# "soak", only here), then each fuzz target for a bounded time (FUZZ_SECONDS, 60 by default).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash tools/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}

step() { printf '\n==== %s\n' "$*"; }

step "Release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DGAME_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE soak

step "Sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE bench

step "Fuzz targets, ${fuzz_seconds} s each"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGAME_FUZZ=ON -DGAME_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -L fuzz -j "$jobs"

step "All tests passed"
