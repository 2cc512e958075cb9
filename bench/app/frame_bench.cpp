// One full play frame on a busy level, headless: the game step, the GUI's passes, the timer, the
// scene and the play screen's widgets drawn into the memory screen (the playing screen's frame),
// next to its floor, a plain memcpy of as many bytes as that frame writes. Compare the two as a
// ratio.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/shell.h"
#include "app/sound.h"
#include "bench/app/bench_support.h"
#include "presentation/screen_testing.h"

namespace {

using presentation::Image;

// A massive frame filled with keyed pictures in every cell, the start stair in the middle: every
// cell of the view is a keyed blit over the backdrop, and since no cell is empty nothing falls,
// rolls or drips, so every frame does the same work.
world::LevelMap BusyLevel() {
    static constexpr world::Cell kinds[] = {world::Stone,    world::Crystal,  world::Block,
                                            world::BCrystal, world::Barrel,   world::Tnt,
                                            world::Pickaxe,  world::StairDown};
    world::LevelMap map;
    for (int x = 0; x < world::MapSize; ++x)
        for (int y = 0; y < world::MapSize; ++y)
            map.At(x, y) =
                (x == 0 || y == 0 || x == 63 || y == 63) ? world::Massive : kinds[(x * 3 + y) % 8];
    map.At(32, 32) = world::StairUp;
    return map;
}

std::int64_t Area(const Image& image) {
    return image ? std::int64_t{image->Width} * image->Height : 0;
}

// The bytes one frame of the busy level writes: 192 backdrop tiles, 192 cell pictures, the
// player, three panels with five digits each (all 0), two labels and two check boxes.
std::int64_t FrameBytes(const view::PlayView& view) {
    const auto& tiles = view.TileImages;
    std::int64_t pixels = 192 * Area(tiles[view::BackgroundImage]) +
                          192 * Area(tiles[view::StoneImage]) + Area(view.Sprites.SpriteDown);
    for (const auto* panel : {&view.CollectedPanel, &view.DugPanel, &view.NeededPanel})
        pixels += Area(panel->PanelImage) + 5 * Area(panel->DigitImages[0]);
    pixels += 2 * (8 * 14 + 5) * 13 + 2 * 15 * 15;
    return pixels * 4;
}

// The play screen as start-up leaves it, on the busy level.
struct BusyPlay {
    BusyPlay() {
        presentation::testing::OpenMemoryScreen(1024, 768);
        app::SetSoundCalls({[](std::string_view, std::string_view) {}, [](std::string_view) {},
                            [](std::string_view) {}});
        directory.WriteLevel(1, BusyLevel());
        shell = std::make_unique<app::Shell>(world::LevelFolder("lvl"), 1.0);
        shell->StartPlay(1);
    }
    ~BusyPlay() {
        shell.reset();
        presentation::CloseScreen();
    }

    app::bench::PlayDirectory directory;
    std::unique_ptr<app::Shell> shell;
};

void FullFrame(benchmark::State& state) {
    BusyPlay play;
    for (auto _ : state) {
        // A picture that stays the same is not drawn again; a counter that changes every frame
        // keeps every frame a whole one, as in busy play.
        play.shell->Play().Game().Collected ^= 1;
        play.shell->PlayingFrame();
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = static_cast<double>(FrameBytes(play.shell->View()));
}
BENCHMARK(FullFrame)->Unit(benchmark::kMicrosecond);

// The floor: the same number of bytes copied into a screen-sized buffer, a screen at a time.
void MemcpyFloor(benchmark::State& state) {
    std::int64_t bytes = 0;
    {
        BusyPlay play;
        bytes = FrameBytes(play.shell->View());
    }
    const std::size_t screen = 1024 * 768 * 4;
    std::vector<char> source(screen, 1), target(screen, 0);
    for (auto _ : state) {
        for (std::int64_t left = bytes; left > 0; left -= screen)
            std::memcpy(target.data(), source.data(),
                        static_cast<std::size_t>(std::min<std::int64_t>(left, screen)));
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(MemcpyFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
