// MovePlayer: the player's share of a frame, from the held keys; see game_step.h. Game thread.
#include <algorithm>
#include <limits>

#include "app/sound_bank.h"
#include "presentation/screen_services.h"
#include "world/game_step.h"

namespace world {

namespace {

namespace scan = presentation::scan;

enum Facing : std::int32_t { FacingDown = 0, FacingUp = 1, FacingRight = 2, FacingLeft = 3 };
enum class Direction { None, Up, Down, Left, Right };

constexpr std::int32_t StepPoseFrames = 5;

bool Held(int scanCode) {
    return presentation::IsKeyDown(scanCode) != 0;
}

bool AnyMovementKeyHeld() {
    for (int code :
         {scan::W, scan::Up, scan::S, scan::Down, scan::A, scan::Left, scan::D, scan::Right}) {
        if (Held(code)) return true;
    }
    return false;
}

// Each held key overwrites the one before: right beats left beats down beats up.
Direction HeldDirection() {
    Direction d = Direction::None;
    if (Held(scan::W) || Held(scan::Up)) d = Direction::Up;
    if (Held(scan::S) || Held(scan::Down)) d = Direction::Down;
    if (Held(scan::A) || Held(scan::Left)) d = Direction::Left;
    if (Held(scan::D) || Held(scan::Right)) d = Direction::Right;
    return d;
}

// A stone beside the player moves one cell on into an empty cell inside the map; only sideways,
// and never two stones. A step out of the map has no cell to push.
void PushStone(Player& p, std::int32_t dx) {
    LevelMap& map = *p.Map;
    const std::int32_t beyond = p.X + dx;
    if (!LevelMap::Inside(p.X, p.Y) || map.At(p.X, p.Y) != Stone) return;
    if (!LevelMap::Inside(beyond, p.Y) || map.At(beyond, p.Y) != Empty) return;
    map.At(beyond, p.Y) = Stone;
    map.At(p.X, p.Y) = Empty;
    app::PlayVariant("rollstone", p.PushSoundNo);
}

void Step(Player& p, std::int32_t dx, std::int32_t dy, std::int32_t facing) {
    p.X += dx;
    p.Y += dy;
    p.Facing = facing;
    p.StepTimer = StepPoseFrames;
    if (dx != 0) PushStone(p, dx);
}

void TakeStep(Player& p, Direction d) {
    switch (d) {
        case Direction::Up:
            return Step(p, 0, -1, FacingUp);
        case Direction::Down:
            return Step(p, 0, 1, FacingDown);
        case Direction::Left:
            return Step(p, -1, 0, FacingLeft);
        case Direction::Right:
            return Step(p, 1, 0, FacingRight);
        case Direction::None:
            return;
    }
}

// The latch opens only when every movement key has been released, so one press is one step.
void ReadKeysOnce(Player& p) {
    p.KeyLatch = 1;
    const Direction d = HeldDirection();
    if (Held(scan::Enter)) p.Dead = 1;  // giving up; the step below is still taken
    TakeStep(p, d);
}

std::int32_t ClampToMap(std::int32_t v) {
    return std::clamp(v, std::int32_t{0}, std::int32_t{MapSize - 1});
}

// Stones and walls refuse the player; so do blocks without the pickaxe. This also holds for a
// stone that has just fallen into the player's cell: the player stays in it.
bool Refuses(const Player& p, Cell c) {
    return c == Stone || c == Massive || (c == Block && p.HasPickaxe != 1);
}

}  // namespace

void MovePlayer(Player& p) {
    if (p.Dead != 0) {
        p.RespawnGui.Update();
        return;
    }
    const std::int32_t oldX = p.X;
    const std::int32_t oldY = p.Y;
    // The pose count runs on below zero; it only stops short of wrapping after years of play.
    if (p.StepTimer > std::numeric_limits<std::int32_t>::min()) --p.StepTimer;
    if (p.KeyLatch == 0) ReadKeysOnce(p);
    p.X = ClampToMap(p.X);
    p.Y = ClampToMap(p.Y);
    if (Refuses(p, p.Map->At(p.X, p.Y))) {
        p.X = oldX;
        p.Y = oldY;
    }
    if (!AnyMovementKeyHeld()) p.KeyLatch = 0;
}

}  // namespace world
