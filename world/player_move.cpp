// MovePlayer: the player's share of a frame, from the frame's input; see game_step.h.
#include <algorithm>
#include <limits>

#include "world/game_step.h"

namespace world {

namespace {

enum class Direction { None, Up, Down, Left, Right };

constexpr std::int32_t StepPoseFrames = 5;

bool AnyMovementKeyHeld(const FrameInput& in) {
    return in.Up || in.Down || in.Left || in.Right;
}

// Each held key overwrites the one before: right beats left beats down beats up.
Direction HeldDirection(const FrameInput& in) {
    Direction d = Direction::None;
    if (in.Up) d = Direction::Up;
    if (in.Down) d = Direction::Down;
    if (in.Left) d = Direction::Left;
    if (in.Right) d = Direction::Right;
    return d;
}

// A stone beside the player moves one cell on into an empty cell inside the map; only sideways,
// and never two stones. A step out of the map has no cell to push.
void PushStone(GameState& game, std::int32_t dx, FrameEvents& events) {
    Player& p = game.Player;
    LevelMap& map = game.Map;
    const std::int32_t beyond = p.X + dx;
    if (!LevelMap::Inside(p.X, p.Y) || map.At(p.X, p.Y) != Stone) return;
    if (!LevelMap::Inside(beyond, p.Y) || map.At(beyond, p.Y) != Empty) return;
    map.At(beyond, p.Y) = Stone;
    map.At(p.X, p.Y) = Empty;
    events.Play(Sound::RollStone, p.PushSoundNo);
}

void Step(GameState& game, std::int32_t dx, std::int32_t dy, Facing facing, FrameEvents& events) {
    Player& p = game.Player;
    p.X += dx;
    p.Y += dy;
    p.Facing = facing;
    p.StepTimer = StepPoseFrames;
    if (dx != 0) PushStone(game, dx, events);
}

void TakeStep(GameState& game, Direction d, FrameEvents& events) {
    switch (d) {
        case Direction::Up:
            return Step(game, 0, -1, Facing::Up, events);
        case Direction::Down:
            return Step(game, 0, 1, Facing::Down, events);
        case Direction::Left:
            return Step(game, -1, 0, Facing::Left, events);
        case Direction::Right:
            return Step(game, 1, 0, Facing::Right, events);
        case Direction::None:
            return;
    }
}

// The latch opens only when every movement key has been released, so one press is one step.
void ReadKeysOnce(GameState& game, const FrameInput& in, FrameEvents& events) {
    game.Player.KeyLatch = true;
    if (in.GiveUp) {  // the step below is still taken
        game.Player.Dead = true;
        events.Died = DeathCause::GaveUp;
    }
    TakeStep(game, HeldDirection(in), events);
}

std::int32_t ClampToMap(std::int32_t v) {
    return std::clamp(v, std::int32_t{0}, std::int32_t{MapSize - 1});
}

// Stones and walls refuse the player; so do blocks without the pickaxe. This also holds for a
// stone that has just fallen into the player's cell: the player stays in it.
bool Refuses(const Player& p, Cell c) {
    return c == Stone || c == Massive || (c == Block && !p.HasPickaxe);
}

}  // namespace

void MovePlayer(GameState& game, const FrameInput& input, FrameEvents& events) {
    Player& p = game.Player;
    if (p.Dead) return;
    const std::int32_t oldX = p.X;
    const std::int32_t oldY = p.Y;
    // The pose count runs on below zero; it only stops short of wrapping after years of play.
    if (p.StepTimer > std::numeric_limits<std::int32_t>::min()) --p.StepTimer;
    if (!p.KeyLatch) ReadKeysOnce(game, input, events);
    p.X = ClampToMap(p.X);
    p.Y = ClampToMap(p.Y);
    if (Refuses(p, game.Map.At(p.X, p.Y))) {
        p.X = oldX;
        p.Y = oldY;
    }
    if (!AnyMovementKeyHeld(input)) p.KeyLatch = false;
}

}  // namespace world
