// Loads the picture sets; see sprite_sets.h. Game thread, while a game state is built.
#include "view/sprite_sets.h"

#include <string>

#include "presentation/image_loading.h"

namespace view {

using presentation::LoadImageFile;

void LoadPlayerSprites(PlayerSprites& sprites) {
    sprites.SpriteUp = LoadImageFile("res\\player\\pup.bmp");
    sprites.SpriteDown = LoadImageFile("res\\player\\pdown.bmp");
    sprites.SpriteRight = LoadImageFile("res\\player\\pright.bmp");
    sprites.SpriteLeft = LoadImageFile("res\\player\\pleft.bmp");
    sprites.DeadNotice = LoadImageFile("res\\menu\\veryweak.bmp");
    sprites.PickaxeIcon = LoadImageFile("res\\map\\pickaxe.bmp");
    sprites.TntIcon = LoadImageFile("res\\map\\tntplaced.bmp");
}

void CreateScorePanel(ScorePanel& panel, std::int32_t x, std::int32_t y, std::int32_t dx,
                      std::int32_t dy) {
    panel = ScorePanel{};
    panel.PanelX = x;
    panel.PanelY = y;
    panel.DigitOffsetX = dx;
    panel.DigitOffsetY = dy;
    panel.PanelImage = LoadImageFile("res\\score\\panel.bmp");
    for (int d = 0; d < 10; ++d)
        panel.DigitImages[d] = LoadImageFile("res\\score\\" + std::to_string(d) + ".bmp");
}

void LoadFlamePictures(FlamePictures& pictures) {
    for (int n = 0; n < FlameFrameCount; ++n)
        pictures[n] = LoadImageFile("res\\anim\\flame" + std::to_string(n) + ".bmp");
}

void LoadTileImages(TileImageSet& images) {
    // The order of loading differs from the order of keeping (the open exit's two pictures and
    // the start stair); it is the order the files are opened in.
    static constexpr std::pair<TileImage, const char*> files[] = {
        {BackgroundImage, "res\\map\\background.bmp"},
        {CrystalImage, "res\\map\\crystal.bmp"},
        {EarthImage, "res\\map\\earth.bmp"},
        {MassiveImage, "res\\map\\massive.bmp"},
        {StoneImage, "res\\map\\stone.bmp"},
        {StairDownImage, "res\\map\\stairdown.bmp"},
        {StairUpImage, "res\\map\\stairup.bmp"},
        {StairDownClosedImage, "res\\map\\stairdownclosed.bmp"},
        {BlockImage, "res\\map\\block.bmp"},
        {PickaxeImage, "res\\map\\pickaxe.bmp"},
        {BCrystalImage, "res\\map\\bcrystal.bmp"},
        {CrystalEarthImage, "res\\map\\crystalearth.bmp"},
        {BCrystalEarthImage, "res\\map\\bcrystalearth.bmp"},
        {DeadEarthImage, "res\\map\\deadearth.bmp"},
        {BarrelImage, "res\\map\\barrel.bmp"},
        {LeakImage, "res\\map\\leak.bmp"},
        {TntImage, "res\\map\\tnt.bmp"},
        {TntPlacedImage, "res\\map\\tntplaced.bmp"},
    };
    for (const auto& [slot, path] : files) images[slot] = LoadImageFile(path);
}

}  // namespace view
