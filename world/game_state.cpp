// Building a game state: the player with its sprites and "respawn" button, the panels, the flame
// ring and the tile pictures, in the order their files are opened. Game thread.
#include "world/game_state.h"

#include "app/widget_events.h"

namespace world {

Player::Player(LevelMap& map) : Map(&map) {
    presentation::LoadPlayerSprites(Sprites);
    RespawnGui.AddButton(416, 360, "res\\menu\\okup.bmp", "res\\menu\\okdown.bmp", "respawn",
                         app::HandleWidgetEvent);
}

GameState::GameState() : Player(Map) {
    presentation::CreateScorePanel(CollectedPanel, 355, 10, 20, 15, 0);
    presentation::CreateScorePanel(DugPanel, 890, 10, 20, 15, 0);
    presentation::CreateScorePanel(NeededPanel, 481, 10, 20, 15, 0);
    presentation::CreateFlames(Flames);
    presentation::LoadTileImages(TileImages);
}

std::unique_ptr<GameState> InitGame() {
    return std::make_unique<GameState>();
}

}  // namespace world
