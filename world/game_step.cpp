// GameStep: one frame of game logic, and what the player's cell does to the player; see
// game_step.h.
#include "world/game_step.h"

#include <limits>

#include "world/falling.h"
#include "world/hazards.h"

namespace world {

namespace {

constexpr std::int32_t LastLevelNumber = std::numeric_limits<std::int32_t>::max();

Cell& PlayerCell(GameState& game) {
    return game.Map.At(game.Player.X, game.Player.Y);
}

// Emptying the player's cell gives whatever rests above or beside it a grace period.
void ClearPlayerCell(GameState& game) {
    PlayerCell(game) = Empty;
    ProtectColumns(game);
}

void Dig(GameState& game, FrameEvents& events) {
    ClearPlayerCell(game);
    ++game.Dug;
    events.Play(Sound::Dig, game.DigSoundNo);
}

void PickUp(GameState& game, FrameEvents& events) {
    ClearPlayerCell(game);
    ++events.PickedUp;
    events.Play(Sound::Pickup, game.PickupSoundNo);
}

// Digging, collecting, picking up and breaking: each empties the cell, which ends the checks
// that follow in this frame.
void TakeWhatTheCellHolds(GameState& game, FrameEvents& events) {
    Player& p = game.Player;
    const Cell c = PlayerCell(game);
    if (c == Earth) {
        Dig(game, events);
    } else if (c == Crystal || c == BCrystal) {
        PickUp(game, events);
        ++game.Collected;
    } else if (c == CrystalEarth || c == BCrystalEarth) {
        PickUp(game, events);
        ++game.Collected;
        events.Play(Sound::Dig, game.DigSoundNo);
    } else if (c == Pickaxe) {
        PickUp(game, events);
        p.HasPickaxe = true;
    } else if (c == Tnt && !p.HasTnt) {
        PickUp(game, events);  // with a charge already carried the Tnt stays where it is
        p.HasTnt = true;
    } else if (c == Block && p.HasPickaxe) {
        ClearPlayerCell(game);  // the pickaxe stays with the player
        ++game.Dug;
        events.Play(Sound::BreakStone, game.BreakSoundNo);
    }
}

// What kills in the player's cell: a stone, barrel or leak drop that is there (walked into or
// fallen in), and dead earth, which is dug first.
void SufferWhatTheCellHolds(GameState& game, FrameEvents& events) {
    const Cell c = PlayerCell(game);
    if (c == Stone || c == Barrel || c == Leak) {
        Kill(game, DeathCause::Crushed, events);
    } else if (c == DeadEarth) {
        Dig(game, events);
        Kill(game, DeathCause::Poisoned, events);
    }
}

bool StandsOnOpenExit(GameState& game) {
    return PlayerCell(game) == StairDown && game.ExitIsOpen();
}

// Each column falls when its timer runs out, then its timer counts on: columns keep step with
// one another except where ProtectColumns moved a column's turn.
void UpdateColumns(GameState& game, FrameEvents& events) {
    for (std::int32_t x = 0; x < MapSize; ++x) {
        if (game.ColumnTimers[x] <= 0) {
            game.ColumnTimers[x] = game.FallDelay;
            UpdateColumn(game, x, events);
        }
        --game.ColumnTimers[x];
    }
}

// After the exit check, for a player alive when the frame began: the cell's dangers, then the
// flames and the fuse (even if a check has just killed the player).
void AliveAfterTheExit(GameState& game, const FrameInput& input, FrameEvents& events) {
    SufferWhatTheCellHolds(game, events);
    TickFlames(game.Flames);
    UpdateTnt(game, input.PlaceTnt, events);
}

// What moves whether the player lives or not.
void WorldMoves(GameState& game, FrameEvents& events) {
    DripLeaks(game, events);
    UpdateColumns(game, events);
}

void Restart(GameState& game, const LevelFolder& levels, FrameEvents& events) {
    events.Error = RestartLevel(game, levels);
    events.Restarted = !events.Error;
}

}  // namespace

FrameEvents GameStep(GameState& game, const FrameInput& input, const LevelFolder& levels) {
    FrameEvents events;
    // The button is only there while the player is dead, and it restarts the level before the
    // frame is drawn.
    const bool respawn = game.Player.Dead && input.Respawn;
    MovePlayer(game, input, events);
    if (!game.Player.Dead) {
        TakeWhatTheCellHolds(game, events);
        if (StandsOnOpenExit(game)) {
            events.Play(Sound::Finish);
            events.LevelFinished = true;
            return events;
        }
        AliveAfterTheExit(game, input, events);
    }
    WorldMoves(game, events);
    if (respawn) Restart(game, levels, events);
    return events;
}

FrameEvents EnterNextLevel(GameState& game, const LevelFolder& levels) {
    FrameEvents events;
    // No level number follows the largest one: its file is as missing as any after the last.
    if (game.LevelNumber == LastLevelNumber) {
        const std::int64_t next = std::int64_t{LastLevelNumber} + 1;
        events.Error = LevelError{next, levels.NameOf(next)};
        return events;
    }
    ++game.LevelNumber;
    Restart(game, levels, events);
    if (events.Error) return events;
    // The new level starts without a carried charge, so no key of the frame can place one.
    AliveAfterTheExit(game, FrameInput{}, events);
    WorldMoves(game, events);
    return events;
}

}  // namespace world
