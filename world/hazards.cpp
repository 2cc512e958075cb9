// Leaks, TNT, explosions and flames; see hazards.h. Game thread.
#include "world/hazards.h"

#include <algorithm>

#include "app/sound_bank.h"
#include "presentation/screen_services.h"

namespace world {

namespace {

constexpr std::int32_t FlameFirstPicture = presentation::FlameFrameCount - 1;
constexpr std::int32_t FlameIdle = -1;
constexpr std::int32_t CellPixels = 64;
// The player's cell in the view; flames are placed relative to it.
constexpr std::int32_t ViewPlayerX = 7;
constexpr std::int32_t ViewPlayerY = 5;

void DripPass(GameState& game) {
    LevelMap& map = game.Map;
    for (std::int32_t x = 0; x < MapSize; ++x) {
        for (std::int32_t y = 0; y < MapSize - 1; ++y) {
            if (map.At(x, y) != DeadEarth || map.At(x, y + 1) != Empty) continue;
            map.At(x, y + 1) = Leak;
            app::PlayVariant("leak", game.LeakSoundNo);
        }
    }
}

bool CanPlaceTnt(const GameState& game) {
    const Player& p = game.Player;
    return p.HasTnt == 1 && presentation::IsKeyDown(presentation::scan::Space) != 0 &&
           game.TntFuse <= 0 && game.Map.At(p.X, p.Y) == Empty;
}

void PlaceTnt(GameState& game) {
    game.Map.At(game.Player.X, game.Player.Y) = TntPlaced;
    game.TntFuse = game.TntFuseLength;
    game.Player.HasTnt = 0;
}

// One cell of a blast: emptied whatever it held, a flame on it, and the player there killed.
void BlastCell(GameState& game, std::int32_t x, std::int32_t y) {
    Player& p = game.Player;
    game.Map.At(x, y) = Empty;
    StartFlame(game.Flames, x - p.X + ViewPlayerX, y - p.Y + ViewPlayerY);
    if (x == p.X && y == p.Y) {
        p.Dead = 1;
        app::PlayEffect("dead");
    }
}

// The 3 x 3 square around a charge, cut at the map's edges.
void BlastSquare(GameState& game, std::int32_t x, std::int32_t y) {
    for (std::int32_t dx = -1; dx <= 1; ++dx) {
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
            if (LevelMap::Inside(x + dx, y + dy)) BlastCell(game, x + dx, y + dy);
        }
    }
}

// Every charge in the map goes off in one scan; one already cleared by an earlier square of the
// scan is gone and does not explode (no chain reaction beyond that).
void Explode(GameState& game) {
    app::PlayExplosion();
    for (std::int32_t x = 0; x < MapSize; ++x) {
        for (std::int32_t y = 0; y < MapSize; ++y) {
            if (game.Map.At(x, y) == TntPlaced) BlastSquare(game, x, y);
        }
    }
}

}  // namespace

void DripLeaks(GameState& game) {
    if (game.LeakTimer > game.LeakDelay) {
        game.LeakTimer = 0;
        DripPass(game);
    }
    ++game.LeakTimer;
}

void UpdateTnt(GameState& game) {
    if (CanPlaceTnt(game)) PlaceTnt(game);
    if (game.TntFuse == 1) Explode(game);
    game.TntFuse = std::max(game.TntFuse - 1, 0);
}

void StartFlame(presentation::Flames& flames, std::int32_t vx, std::int32_t vy) {
    if (flames.NextSlot < 0 || flames.NextSlot >= presentation::FlameSlots) flames.NextSlot = 0;
    const std::int32_t slot = flames.NextSlot;
    flames.Countdown[slot] = FlameFirstPicture;
    flames.PixelX[slot] = vx * CellPixels;
    flames.PixelY[slot] = vy * CellPixels;
    flames.NextSlot = (slot + 1) % presentation::FlameSlots;
}

void TickFlames(presentation::Flames& flames) {
    for (std::int32_t& countdown : flames.Countdown) countdown = std::max(countdown - 1, FlameIdle);
}

}  // namespace world
