// Start-up to the first menu frame, without the music: the play game state (78 pictures), the
// play screen's GUI, timer and pacer, then the menu with its own game state (78 pictures more),
// level 1, code table and widgets, and its first frame drawn. Headless, on the memory screen.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/main_menu.h"
#include "app/play_loop.h"
#include "app/sound.h"
#include "bench/app/bench_support.h"
#include "presentation/screen_testing.h"

namespace {

world::LevelMap FramedLevel() {
    world::LevelMap map;
    for (int x = 0; x < world::MapSize; ++x)
        for (int y = 0; y < world::MapSize; ++y)
            if (x == 0 || y == 0 || x == 63 || y == 63) map.At(x, y) = world::Massive;
    map.At(10, 10) = world::StairUp;
    return map;
}

void StartUpToFirstMenuFrame(benchmark::State& state) {
    app::bench::PlayDirectory directory;
    directory.WriteLevel(1, FramedLevel());
    presentation::testing::OpenMemoryScreen(1024, 768);
    app::SetSoundCalls({[](std::string_view, std::string_view) {}, [](std::string_view) {},
                        [](std::string_view) {}});
    for (auto _ : state) {
        auto session = std::make_unique<app::PlaySession>();
        auto menu = std::make_unique<app::MainMenu>();
        menu->Frame();
        benchmark::ClobberMemory();
        state.PauseTiming();
        menu.reset();
        session.reset();
        state.ResumeTiming();
    }
    presentation::CloseScreen();
}
BENCHMARK(StartUpToFirstMenuFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
