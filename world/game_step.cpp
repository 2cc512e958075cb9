// GameStep: one frame of game logic, and what the player's cell does to the player; see
// game_step.h. Game thread.
#include "world/game_step.h"

#include "app/sound_bank.h"
#include "world/falling.h"
#include "world/hazards.h"
#include "world/level_complete.h"

namespace world {

namespace {

Cell& PlayerCell(GameState& game) {
    return game.Map.At(game.Player.X, game.Player.Y);
}

// Emptying the player's cell gives whatever rests above or beside it a grace period.
void ClearPlayerCell(GameState& game) {
    PlayerCell(game) = Empty;
    ProtectColumns(game);
}

void Kill(GameState& game) {
    game.Player.Dead = 1;
    app::PlayEffect("dead");
}

bool ExitIsOpen(GameState& game) {
    return game.Collected() >= game.Needed();
}

// Digging, collecting, picking up and breaking: each empties the cell, which ends the checks
// that follow in this frame.
void TakeWhatTheCellHolds(GameState& game) {
    Player& p = game.Player;
    const Cell c = PlayerCell(game);
    if (c == Earth) {
        ClearPlayerCell(game);
        ++game.Dug();
        app::PlayVariant("dig", game.DigSoundNo);
    } else if (c == Crystal || c == BCrystal) {
        ClearPlayerCell(game);
        ++game.Collected();
        app::PlayVariant("pickup", game.PickupSoundNo);
    } else if (c == CrystalEarth || c == BCrystalEarth) {
        ClearPlayerCell(game);
        ++game.Collected();
        app::PlayVariant("pickup", game.PickupSoundNo);
        app::PlayVariant("dig", game.DigSoundNo);
    } else if (c == Pickaxe) {
        ClearPlayerCell(game);
        p.HasPickaxe = 1;
        app::PlayVariant("pickup", game.PickupSoundNo);
    } else if (c == Tnt && p.HasTnt == 0) {
        ClearPlayerCell(game);  // with a charge already carried the Tnt stays where it is
        p.HasTnt = 1;
        app::PlayVariant("pickup", game.PickupSoundNo);
    } else if (c == Block && p.HasPickaxe == 1) {
        ClearPlayerCell(game);  // the pickaxe stays with the player
        ++game.Dug();
        app::PlayVariant("breakstone", game.BreakSoundNo);
    }
}

// What kills in the player's cell: a stone, barrel or leak drop that is there (walked into or
// fallen in), and dead earth, which is dug first.
void SufferWhatTheCellHolds(GameState& game) {
    const Cell c = PlayerCell(game);
    if (c == Stone || c == Barrel || c == Leak) {
        Kill(game);
    } else if (c == DeadEarth) {
        ClearPlayerCell(game);
        ++game.Dug();
        app::PlayVariant("dig", game.DigSoundNo);
        Kill(game);
    }
}

// The checks of the player's cell, each reading the cell afresh. The level-complete dialog
// loads the next level, so the deadly checks after it look at the new level's start cell.
void ExamineCell(GameState& game) {
    TakeWhatTheCellHolds(game);
    if (PlayerCell(game) == StairDown && ExitIsOpen(game)) RunLevelCompleteDialog(game);
    SufferWhatTheCellHolds(game);
}

// Each column falls when its timer runs out, then its timer counts on: columns keep step with
// one another except where ProtectColumns moved a column's turn.
void UpdateColumns(GameState& game) {
    for (std::int32_t x = 0; x < MapSize; ++x) {
        if (game.ColumnTimers[x] <= 0) {
            game.ColumnTimers[x] = game.FallDelay;
            UpdateColumn(game, x);
        }
        --game.ColumnTimers[x];
    }
}

}  // namespace

void GameStep(GameState& game) {
    MovePlayer(game.Player);
    if (game.Player.Dead == 0) {
        ExamineCell(game);
        TickFlames(game.Flames);  // even if a check has just killed the player
        UpdateTnt(game);
    }
    DripLeaks(game);
    UpdateColumns(game);
}

}  // namespace world
