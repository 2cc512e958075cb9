// Start-up to the first menu frame: the play view (78 pictures), the play screen's GUI, timer and
// pacer, then the menu with its own view (78 pictures more), level 1, code table and widgets, and
// its first frame drawn. Headless, on the memory screen, with the sounds recorded.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/shell.h"
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
        auto shell = std::make_unique<app::Shell>(world::LevelFolder("lvl"), 1.0);
        shell->MenuFrame();
        benchmark::ClobberMemory();
        state.PauseTiming();
        shell.reset();
        state.ResumeTiming();
    }
    presentation::CloseScreen();
}
BENCHMARK(StartUpToFirstMenuFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
