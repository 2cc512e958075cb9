// The fall pass, sideways rolls and the player's grace period; see falling.h. Game thread.
#include "world/falling.h"

#include <algorithm>
#include <array>

namespace world {

namespace {

using Column = std::array<Cell, MapSize>;

constexpr std::int32_t LastIndex = MapSize - 1;

// Things that roll off a hard cell, in the order a column's turn rolls them.
constexpr std::array<Cell, 4> RollingKinds = {Stone, Crystal, BCrystal, Barrel};

bool IsCrystal(Cell c) {
    return c == Crystal || c == BCrystal;
}

// A side is free when both the cell beside the object and the one below that are empty.
bool SideIsFree(const LevelMap& map, std::int32_t sideX, std::int32_t y) {
    return LevelMap::Inside(sideX, y) && map.At(sideX, y) == Empty && map.At(sideX, y + 1) == Empty;
}

// +1 right, -1 left, 0 stays. A fair coin decides when both sides are free: 0 rolls right.
int RollDirection(RandomSequence& random, bool rightFree, bool leftFree) {
    if (rightFree && leftFree) {
        const int coin = static_cast<int>(random.Next() * 2);
        return coin == 0 ? 1 : -1;
    }
    if (rightFree) return 1;
    return leftFree ? -1 : 0;
}

// A stone or barrel over an empty cell drops one cell, with its sound.
void DropHeavy(GameState& game, const Column& before, Column& after, std::int32_t y,
               FrameEvents& events) {
    const Cell c = before[y];
    if ((c != Stone && c != Barrel) || before[y + 1] != Empty) return;
    after[y] = Empty;
    after[y + 1] = c;
    if (c == Stone) {
        events.Play(Sound::RollStone, game.FallSoundNo);
    } else {
        events.Play(Sound::FassRoll, game.BarrelSoundNo);
    }
}

// A leak drop falls through empty cells, poisons the earth it lands on and vanishes on anything
// else; in the bottom row (never reached here) it stays.
void DropLeak(const Column& before, Column& after, std::int32_t y) {
    if (before[y] != Leak) return;
    after[y] = Empty;
    if (before[y + 1] == Empty) after[y + 1] = Leak;
    if (before[y + 1] == Earth) after[y + 1] = DeadEarth;
}

void DropCrystal(GameState& game, const Column& before, Column& after, std::int32_t y,
                 FrameEvents& events) {
    if (!IsCrystal(before[y]) || before[y + 1] != Empty) return;
    after[y] = Empty;
    after[y + 1] = before[y];
    events.Play(Sound::StoneColl, game.CrystalFallSoundNo);
}

void FallPass(GameState& game, std::int32_t x, FrameEvents& events) {
    Cell* cells = game.Map.Column(x);
    Column before;
    std::copy_n(cells, MapSize, before.begin());
    Column after = before;
    for (std::int32_t y = 0; y < LastIndex; ++y) {
        DropHeavy(game, before, after, y, events);
        DropLeak(before, after, y);
    }
    for (std::int32_t y = LastIndex - 1; y >= 0; --y) DropCrystal(game, before, after, y, events);
    std::copy(after.begin(), after.end(), cells);
}

// Pushes the column's turn a whole FallDelay away when the cell holds the kind.
void ProtectIf(GameState& game, Cell kind, std::int32_t column, std::int32_t x, std::int32_t y) {
    if (game.Map.At(x, y) == kind) game.ColumnTimers[column] = game.FallDelay;
}

void ProtectFrom(GameState& game, Cell kind) {
    const std::int32_t x = game.Player.X;
    const std::int32_t y = game.Player.Y;
    ProtectIf(game, kind, x, x, y - 1);
    ProtectIf(game, kind, x - 1, x - 1, y);
    ProtectIf(game, kind, x - 1, x - 1, y - 1);
    ProtectIf(game, kind, x + 1, x + 1, y);
    ProtectIf(game, kind, x + 1, x + 1, y - 1);
}

}  // namespace

void UpdateColumn(GameState& game, std::int32_t x, FrameEvents& events) {
    if (x < 0 || x > LastIndex) return;
    for (Cell kind : RollingKinds) RollSideways(game, x, kind);
    FallPass(game, x, events);
}

void RollSideways(GameState& game, std::int32_t x, Cell kind) {
    if (x < 0 || x > LastIndex) return;
    LevelMap& map = game.Map;
    for (std::int32_t y = LastIndex - 1; y >= 0; --y) {
        if (map.At(x, y) != kind || !IsHard(map.At(x, y + 1))) continue;
        const int direction =
            RollDirection(game.Random, SideIsFree(map, x + 1, y), SideIsFree(map, x - 1, y));
        if (direction == 0) continue;
        map.At(x + direction, y) = kind;
        map.At(x, y) = Empty;
    }
}

void ProtectColumns(GameState& game) {
    const std::int32_t x = game.Player.X;
    const std::int32_t y = game.Player.Y;
    if (x <= 0 || x >= LastIndex || y <= 0 || y > LastIndex) return;
    ProtectFrom(game, Stone);
    ProtectFrom(game, Barrel);
}

}  // namespace world
