// Building the play view; see play_view.h. Game thread.
#include "view/play_view.h"

#include <utility>

namespace view {

PlayView::PlayView(gui::Event onButton) {
    LoadPlayerSprites(Sprites);
    RespawnGui.AddButton(416, 360, "res\\menu\\okup.bmp", "res\\menu\\okdown.bmp", "respawn",
                         std::move(onButton));
    CreateScorePanel(CollectedPanel, 355, 10, 20, 15);
    CreateScorePanel(DugPanel, 890, 10, 20, 15);
    CreateScorePanel(NeededPanel, 481, 10, 20, 15);
    LoadFlamePictures(Flames);
    LoadTileImages(TileImages);
}

}  // namespace view
