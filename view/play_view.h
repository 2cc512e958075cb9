// The play view: every picture the scene of a game state needs (the player's sprites, the three
// score panels, the flame pictures, the map's tiles) and the "respawn" button shown while the
// player is dead. One for play and one for the menu's backdrop; each lives on the game thread as
// long as the screen that shows it.
#pragma once

#include "gui/gui.h"
#include "view/sprite_sets.h"

namespace view {

struct PlayView {
    // Loads the pictures in the order their files are opened: the player's sprites, the respawn
    // button (with `onButton` as its handler), the collected, dug and needed panels, the flames,
    // the tiles.
    explicit PlayView(gui::Event onButton);
    PlayView(const PlayView&) = delete;
    PlayView& operator=(const PlayView&) = delete;

    PlayerSprites Sprites;
    gui::GUI RespawnGui;  // the "respawn" button at (416, 360)
    ScorePanel CollectedPanel;
    ScorePanel DugPanel;
    ScorePanel NeededPanel;
    FlamePictures Flames;
    TileImageSet TileImages;
};

}  // namespace view
