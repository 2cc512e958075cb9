// One play frame's worth of blits (192 opaque backdrop tiles, 192 keyed cells and 26 more keyed
// pictures, all 64 x 64, into 1024 x 768), drawn three ways in the same run: through our
// PutImage, through SDL's own colour-keyed SDL_BlitSurface, and as a plain memcpy of the same
// number of bytes (the floor). Compare the three times as ratios.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "presentation/screen_testing.h"
#include "presentation/viewport.h"

namespace {

using presentation::Pixel;

constexpr int Cell = 64;
constexpr int Width = 1024;
constexpr int Height = 768;
constexpr int KeyedCells = 192;
constexpr int Extras = 26;
constexpr int Blits = 192 + KeyedCells + Extras;

// A tile: a textured square, or a sprite whose outside (beyond a disc) is the key colour.
std::vector<Pixel> MakeTile(bool sprite, Pixel base) {
    std::vector<Pixel> px(Cell * Cell);
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const int dx = x - 32, dy = y - 32;
            const bool outside = sprite && dx * dx + dy * dy > 26 * 26;
            px[y * Cell + x] = outside ? presentation::KeyColour : base + ((x ^ y) & 15);
        }
    return px;
}

struct Position {
    int X, Y;
};

// Where the frame's blits go: the backdrop grid, the cell grid, and scattered extras.
std::vector<Position> Positions() {
    std::vector<Position> at;
    for (int i = 0; i < 2; ++i)
        for (int x = 0; x < Width; x += Cell)
            for (int y = 0; y < Height; y += Cell) at.push_back({x, y});
    for (int i = 0; i < Extras; ++i) at.push_back({(i * 137) % (Width - Cell), (i * 71) % Height});
    return at;
}

void OurFrame(benchmark::State& state) {
    presentation::testing::OpenMemoryScreen(Width, Height);
    presentation::Image backdrop = presentation::CreateImage(Cell, Cell);
    presentation::Image sprite = presentation::CreateImage(Cell, Cell);
    const auto b = MakeTile(false, 0x204020), s = MakeTile(true, 0x808080);
    std::copy(b.begin(), b.end(), backdrop->Pixels.begin());
    std::copy(s.begin(), s.end(), sprite->Pixels.begin());
    const auto at = Positions();
    for (auto _ : state) {
        presentation::LockScreen();
        for (int i = 0; i < Blits; ++i) {
            const bool opaque = i < 192;
            presentation::PutImage(
                at[i].X, at[i].Y, opaque ? backdrop : sprite,
                opaque ? presentation::PutMode::Opaque : presentation::PutMode::Keyed);
        }
        presentation::UnlockScreen(-1, -1);
        benchmark::ClobberMemory();
    }
    presentation::CloseScreen();
}
BENCHMARK(OurFrame)->Unit(benchmark::kMicrosecond);

SDL_Surface* Surface(int w, int h, std::vector<Pixel>* pixels) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (pixels)
        for (int y = 0; y < h; ++y)
            std::memcpy(static_cast<char*>(surface->pixels) + y * surface->pitch,
                        pixels->data() + y * w, w * sizeof(Pixel));
    return surface;
}

void SdlFrame(benchmark::State& state) {
    auto b = MakeTile(false, 0x204020), s = MakeTile(true, 0x808080);
    SDL_Surface* screen = Surface(Width, Height, nullptr);
    SDL_Surface* backdrop = Surface(Cell, Cell, &b);
    SDL_Surface* sprite = Surface(Cell, Cell, &s);
    SDL_SetColorKey(sprite, SDL_TRUE, presentation::KeyColour);
    SDL_SetSurfaceBlendMode(backdrop, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_NONE);
    const auto at = Positions();
    for (auto _ : state) {
        for (int i = 0; i < Blits; ++i) {
            SDL_Rect where{at[i].X, at[i].Y, Cell, Cell};
            SDL_BlitSurface(i < 192 ? backdrop : sprite, nullptr, screen, &where);
        }
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(sprite);
    SDL_FreeSurface(backdrop);
    SDL_FreeSurface(screen);
}
BENCHMARK(SdlFrame)->Unit(benchmark::kMicrosecond);

// The floor: the same bytes copied with memcpy, row by row like a blit.
void MemcpyFloor(benchmark::State& state) {
    std::vector<Pixel> screen(Width * Height);
    const auto tile = MakeTile(false, 0x204020);
    const auto at = Positions();
    for (auto _ : state) {
        for (int i = 0; i < Blits; ++i)
            for (int y = 0; y < Cell; ++y)
                std::memcpy(&screen[(at[i].Y + y) % Height * Width + at[i].X], &tile[y * Cell],
                            Cell * sizeof(Pixel));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemcpyFloor)->Unit(benchmark::kMicrosecond);

// Presenting the frame to a window bigger than it: the whole frame scaled into a window-sized
// 32-bit surface, as the window's thread does on every play frame (the bars are painted only on a
// repaint, so not here). Arguments: the window's width and height. Compare with
// PresentMemcpyFloor at the same size: a memcpy of the output bytes.
void PresentScaled(benchmark::State& state) {
    const auto w = static_cast<std::int32_t>(state.range(0));
    const auto h = static_cast<std::int32_t>(state.range(1));
    presentation::ImageBuffer frame(Width, Height, 0);
    const auto tile = MakeTile(false, 0x204020);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) frame.Row(y)[x] = tile[(y % Cell) * Cell + x % Cell];
    std::vector<Pixel> window(static_cast<std::size_t>(w) * h);
    const presentation::detail::PixelTarget target{window.data(), w, h, w};
    const auto view = presentation::detail::FitFrame(Width, Height, w, h);
    presentation::detail::FrameScaler scaler;
    presentation::detail::FrameScaler::FillBars(view, target);
    for (auto _ : state) {
        scaler.Scale(frame, view, target, 0, Height - 1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{view.W} * view.H * 4);
}
BENCHMARK(PresentScaled)->Args({2048, 1536})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// The floor for PresentScaled: the picture's bytes in the window copied with memcpy, row by row.
void PresentMemcpyFloor(benchmark::State& state) {
    const auto w = static_cast<std::int32_t>(state.range(0));
    const auto h = static_cast<std::int32_t>(state.range(1));
    const auto view = presentation::detail::FitFrame(Width, Height, w, h);
    std::vector<Pixel> source(static_cast<std::size_t>(view.W) * view.H, 0x204020);
    std::vector<Pixel> window(static_cast<std::size_t>(w) * h, 1);  // touched, as the scaler's is
    for (auto _ : state) {
        for (int y = 0; y < view.H; ++y)
            std::memcpy(&window[static_cast<std::size_t>(view.Y + y) * w + view.X],
                        &source[static_cast<std::size_t>(y) * view.W], view.W * sizeof(Pixel));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{view.W} * view.H * 4);
}
BENCHMARK(PresentMemcpyFloor)
    ->Args({2048, 1536})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
