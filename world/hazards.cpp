// Leaks, TNT, explosions and flames; see hazards.h.
#include "world/hazards.h"

#include <algorithm>

namespace world {

namespace {

constexpr std::int32_t FlameIdle = -1;

void DripPass(GameState& game, FrameEvents& events) {
    LevelMap& map = game.Map;
    for (std::int32_t x = 0; x < MapSize; ++x) {
        for (std::int32_t y = 0; y < MapSize - 1; ++y) {
            if (map.At(x, y) != DeadEarth || map.At(x, y + 1) != Empty) continue;
            map.At(x, y + 1) = Leak;
            events.Play(Sound::Leak, game.LeakSoundNo);
        }
    }
}

bool CanPlaceTnt(const GameState& game, bool placeHeld) {
    const Player& p = game.Player;
    return p.HasTnt && placeHeld && game.TntFuse <= 0 && game.Map.At(p.X, p.Y) == Empty;
}

void PlaceTnt(GameState& game, FrameEvents& events) {
    game.Map.At(game.Player.X, game.Player.Y) = TntPlaced;
    game.TntFuse = game.TntFuseLength;
    game.Player.HasTnt = false;
    events.PlacedTnt = true;
}

// One cell of a blast: emptied whatever it held, a flame on it, and the player there killed.
void BlastCell(GameState& game, std::int32_t x, std::int32_t y, FrameEvents& events) {
    const Player& p = game.Player;
    game.Map.At(x, y) = Empty;
    StartFlame(game.Flames, x, y, p.X, p.Y);
    if (x == p.X && y == p.Y) Kill(game, DeathCause::Blasted, events);
}

// The 3 x 3 square around a charge, cut at the map's edges.
void BlastSquare(GameState& game, std::int32_t x, std::int32_t y, FrameEvents& events) {
    for (std::int32_t dx = -1; dx <= 1; ++dx) {
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
            if (LevelMap::Inside(x + dx, y + dy)) BlastCell(game, x + dx, y + dy, events);
        }
    }
}

// Every charge in the map goes off in one scan; one already cleared by an earlier square of the
// scan is gone and does not explode (no chain reaction beyond that).
void Explode(GameState& game, FrameEvents& events) {
    events.Play(Sound::Explosion);
    events.Exploded = true;
    for (std::int32_t x = 0; x < MapSize; ++x) {
        for (std::int32_t y = 0; y < MapSize; ++y) {
            if (game.Map.At(x, y) == TntPlaced) BlastSquare(game, x, y, events);
        }
    }
}

}  // namespace

void DripLeaks(GameState& game, FrameEvents& events) {
    if (game.LeakTimer > game.LeakDelay) {
        game.LeakTimer = 0;
        DripPass(game, events);
    }
    ++game.LeakTimer;
}

void UpdateTnt(GameState& game, bool placeHeld, FrameEvents& events) {
    if (CanPlaceTnt(game, placeHeld)) PlaceTnt(game, events);
    if (game.TntFuse == 1) Explode(game, events);
    game.TntFuse = std::max(game.TntFuse - 1, 0);
}

void StartFlame(Flames& flames, std::int32_t x, std::int32_t y, std::int32_t anchorX,
                std::int32_t anchorY) {
    if (flames.NextSlot < 0 || flames.NextSlot >= FlameSlots) flames.NextSlot = 0;
    flames.Slots[flames.NextSlot] = {x, y, anchorX, anchorY, FlameFrames - 1};
    flames.NextSlot = (flames.NextSlot + 1) % FlameSlots;
}

void TickFlames(Flames& flames) {
    for (Flame& f : flames.Slots) f.Countdown = std::max(f.Countdown - 1, FlameIdle);
}

void Kill(GameState& game, DeathCause cause, FrameEvents& events) {
    game.Player.Dead = true;
    events.Play(Sound::Dead);
    events.Died = cause;
}

}  // namespace world
