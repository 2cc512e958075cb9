// The picture sets of a game in progress: the player's sprites, the score panels, the explosion's
// flame ring and the map's tile pictures, with every file they load. Built once per game state on
// the game thread before the first frame; a missing file gives a null image and nothing more.
#pragma once

#include <array>
#include <cstdint>

#include "presentation/screen_services.h"

namespace presentation {

struct PlayerSprites {
    Image SpriteUp;     // facing up
    Image SpriteDown;   // facing down, and standing still
    Image SpriteRight;  // facing right
    Image SpriteLeft;   // facing left
    Image DeadNotice;   // shown instead of the player while dead
    Image PickaxeIcon;  // top-bar icon while the pickaxe is carried
    Image TntIcon;      // top-bar icon while a TNT charge is carried
};

// A panel picture with five digits showing the last five digits of Value.
struct ScorePanel {
    std::int32_t PanelX = 0;        // screen pixels
    std::int32_t PanelY = 0;        // screen pixels
    std::int32_t DigitOffsetX = 0;  // first digit, right of PanelX
    std::int32_t DigitOffsetY = 0;  // digits, below PanelY
    std::int32_t Value = 0;         // the number shown
    Image PanelImage;
    std::array<Image, 10> DigitImages;  // element d shows the digit d
};

inline constexpr int FlameSlots = 9;
inline constexpr int FlameFrameCount = 20;

// Explosion animations: a ring of slots, each counting down through the frames from 19 to 0.
struct Flames {
    std::array<Image, FlameFrameCount> FlameFrames;    // element n is frame n
    std::array<std::int32_t, FlameSlots> Countdown{};  // frame shown next; -1 = idle
    std::array<std::int32_t, FlameSlots> PixelX{};     // slot position on screen, pixels
    std::array<std::int32_t, FlameSlots> PixelY{};     // slot position on screen, pixels
    std::int32_t NextSlot = 0;                         // the slot the next flame takes
};

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
                      std::int32_t dy, std::int32_t value);
void CreateFlames(Flames& flames);
void LoadTileImages(TileImageSet& images);

}  // namespace presentation
