// The picture sets of the play view: the player's sprites, the score panels, the explosion's
// flame pictures and the map's tile pictures, with every file they load. Built once per play view
// on the game thread before the first frame; a missing file gives a null image and nothing more.
#pragma once

#include <array>
#include <cstdint>

#include "presentation/screen_services.h"
#include "world/game_state.h"

namespace view {

using presentation::Image;
using presentation::PutMode;

struct PlayerSprites {
    Image SpriteUp;     // facing up
    Image SpriteDown;   // facing down, and standing still
    Image SpriteRight;  // facing right
    Image SpriteLeft;   // facing left
    Image DeadNotice;   // shown instead of the player while dead
    Image PickaxeIcon;  // top-bar icon while the pickaxe is carried
    Image TntIcon;      // top-bar icon while a TNT charge is carried
};

// A panel picture with five digits; the number it shows is the game's, given when it is drawn.
struct ScorePanel {
    std::int32_t PanelX = 0;        // screen pixels
    std::int32_t PanelY = 0;        // screen pixels
    std::int32_t DigitOffsetX = 0;  // first digit, right of PanelX
    std::int32_t DigitOffsetY = 0;  // digits, below PanelY
    Image PanelImage;
    std::array<Image, 10> DigitImages;  // element d shows the digit d
};

inline constexpr int FlameFrameCount = world::FlameFrames;

// The explosion's pictures: a flame with countdown n shows picture n, so an explosion runs
// through them backwards, from 19 to 0.
using FlamePictures = std::array<Image, FlameFrameCount>;

// The map's pictures, in the order a game state keeps them.
enum TileImage : int {
    BackgroundImage,
    CrystalImage,
    EarthImage,
    MassiveImage,
    StoneImage,
    StairDownImage,
    StairDownClosedImage,
    StairUpImage,
    BlockImage,
    PickaxeImage,
    BCrystalImage,
    CrystalEarthImage,
    BCrystalEarthImage,
    DeadEarthImage,
    BarrelImage,
    LeakImage,
    TntImage,
    TntPlacedImage,
    TileImageCount
};
using TileImageSet = std::array<Image, TileImageCount>;

// Each loads its set from res\ (7, 11, 20 and 18 files).
void LoadPlayerSprites(PlayerSprites& sprites);
void CreateScorePanel(ScorePanel& panel, std::int32_t x, std::int32_t y, std::int32_t dx,
                      std::int32_t dy);
void LoadFlamePictures(FlamePictures& pictures);
void LoadTileImages(TileImageSet& images);

}  // namespace view
