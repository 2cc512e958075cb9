// Scene drawing; see scene.h. Game thread, inside the caller's LockScreen / UnlockScreen.
#include "view/scene.h"

#include <charconv>
#include <climits>

#include "world/level_map.h"
#include "world/tile_kind.h"

namespace view {

using presentation::PutImage;

namespace {

constexpr std::int32_t DeadNoticeX = 387;
constexpr std::int32_t DeadNoticeY = 259;
constexpr std::int32_t PickaxeIconX = 130;
constexpr std::int32_t TntIconX = 204;
constexpr std::int32_t PlayerScreenX = PlayerViewColumn * CellPixels;  // 448
constexpr std::int32_t PlayerScreenY = PlayerViewRow * CellPixels;     // 320

constexpr void Set(std::array<CellLook, 256>& looks, world::Cell code, TileImage image,
                   PutMode mode) {
    looks[static_cast<std::uint8_t>(world::CodeOf(code))] = {static_cast<std::int8_t>(image), mode};
}

// Every byte value a cell may hold. The earth kinds cover their cell; every other picture is
// keyed, so the backdrop (never earth) shows through its magenta. The exit's picture is the
// closed one here; LookOfCell swaps in the open one when enough crystals are collected.
constexpr std::array<CellLook, 256> BuildLooks() {
    using enum PutMode;
    std::array<CellLook, 256> looks{};
    Set(looks, world::Earth, EarthImage, Opaque);
    Set(looks, world::Stone, StoneImage, Keyed);
    Set(looks, world::Crystal, CrystalImage, Keyed);
    Set(looks, world::StairUp, StairUpImage, Keyed);
    Set(looks, world::StairDown, StairDownClosedImage, Keyed);
    Set(looks, world::Massive, MassiveImage, Opaque);
    Set(looks, world::Block, BlockImage, Keyed);
    Set(looks, world::Pickaxe, PickaxeImage, Keyed);
    Set(looks, world::BCrystal, BCrystalImage, Keyed);
    Set(looks, world::CrystalEarth, CrystalEarthImage, Opaque);
    Set(looks, world::BCrystalEarth, BCrystalEarthImage, Opaque);
    Set(looks, world::DeadEarth, DeadEarthImage, Opaque);
    Set(looks, world::Barrel, BarrelImage, Keyed);
    Set(looks, world::Tnt, TntImage, Keyed);
    Set(looks, world::Leak, LeakImage, Keyed);
    Set(looks, world::TntPlaced, TntPlacedImage, Keyed);
    return looks;
}

constexpr std::array<CellLook, 256> CellLooks = BuildLooks();

}  // namespace

CellLook LookOfCell(world::Cell cell, bool exitOpen) {
    CellLook look = CellLooks[static_cast<std::uint8_t>(world::CodeOf(cell))];
    if (cell == world::StairDown && exitOpen) look.Image = StairDownImage;
    return look;
}

namespace {

// What a view cell shows: its picture and mode, the massive wall beyond the map's edges (the view
// follows the player with no limit there), or nothing.
CellLook LookAt(const world::GameState& game, std::int32_t i, std::int32_t j) {
    // 64-bit, so that no player position can overflow the sums.
    const std::int64_t mx = std::int64_t{game.Player.X} - PlayerViewColumn + i;
    const std::int64_t my = std::int64_t{game.Player.Y} - PlayerViewRow + j;
    if (mx < 0 || my < 0 || mx >= world::MapSize || my >= world::MapSize)
        return {static_cast<std::int8_t>(MassiveImage), PutMode::Opaque};
    const world::Cell cell =
        game.Map.At(static_cast<std::int32_t>(mx), static_cast<std::int32_t>(my));
    return LookOfCell(cell, game.ExitIsOpen());
}

// An opaque picture of at least a whole cell hides the backdrop under it, so the backdrop is not
// drawn there: the same pixels for half the memory traffic of a frame full of earth and rock.
bool HidesBackdrop(const TileImageSet& images, CellLook look) {
    if (look.Image < 0 || look.Mode != PutMode::Opaque) return false;
    const Image& image = images[look.Image];
    return image && image->Width >= CellPixels && image->Height >= CellPixels;
}

// The backdrop first, then the cells over it, each pass in the same order as ever.
void DrawCells(const world::GameState& game, const TileImageSet& images) {
    std::array<CellLook, ViewColumns * ViewRows> looks;
    for (std::int32_t i = 0; i < ViewColumns; ++i)
        for (std::int32_t j = 0; j < ViewRows; ++j) looks[i * ViewRows + j] = LookAt(game, i, j);
    for (std::int32_t i = 0; i < ViewColumns; ++i)
        for (std::int32_t j = 0; j < ViewRows; ++j)
            if (!HidesBackdrop(images, looks[i * ViewRows + j]))
                PutImage(i * CellPixels, j * CellPixels, images[BackgroundImage], PutMode::Opaque);
    for (std::int32_t i = 0; i < ViewColumns; ++i) {
        for (std::int32_t j = 0; j < ViewRows; ++j) {
            const CellLook look = looks[i * ViewRows + j];
            if (look.Image >= 0)
                PutImage(i * CellPixels, j * CellPixels, images[look.Image], look.Mode);
        }
    }
}

const Image& StandingSprite(const PlayerSprites& sprites, std::int32_t stepTimer,
                            world::Facing facing) {
    if (stepTimer <= 0) return sprites.SpriteDown;
    switch (facing) {
        case world::Facing::Up:
            return sprites.SpriteUp;
        case world::Facing::Right:
            return sprites.SpriteRight;
        case world::Facing::Left:
            return sprites.SpriteLeft;
        case world::Facing::Down:
            return sprites.SpriteDown;
    }
    // A facing the game never sets: no sprite rather than a guess.
    static const Image none;
    return none;
}

}  // namespace

void DrawScene(const world::GameState& game, PlayView& view) {
    DrawCells(game, view.TileImages);
    DrawFlames(game.Flames, view.Flames);
    DrawPlayer(game.Player, view);
    DrawScorePanel(view.CollectedPanel, game.Collected);
    DrawScorePanel(view.DugPanel, game.Dug);
    DrawScorePanel(view.NeededPanel, game.Needed);
}

SceneKey SceneKeyOf(const world::GameState& game) {
    SceneKey key;
    for (std::int32_t i = 0; i < ViewColumns; ++i) {
        for (std::int32_t j = 0; j < ViewRows; ++j) {
            const std::int64_t mx = std::int64_t{game.Player.X} - PlayerViewColumn + i;
            const std::int64_t my = std::int64_t{game.Player.Y} - PlayerViewRow + j;
            const bool inside = mx >= 0 && my >= 0 && mx < world::MapSize && my < world::MapSize;
            key.Cells[i * ViewRows + j] =
                inside ? game.Map.At(static_cast<std::int32_t>(mx), static_cast<std::int32_t>(my))
                       : world::Massive;
        }
    }
    const world::Player& p = game.Player;
    key.Pose = p.Dead ? -2 : p.StepTimer <= 0 ? -1 : static_cast<std::int32_t>(p.Facing);
    key.Pickaxe = p.HasPickaxe;
    key.Tnt = p.HasTnt;
    key.Counters = {game.Collected, game.Dug, game.Needed};
    for (int s = 0; s < world::FlameSlots; ++s) {
        const world::Flame& flame = game.Flames.Slots[s];
        if (flame.Countdown < 0 || flame.Countdown >= FlameFrameCount) continue;  // not drawn
        const PixelPosition at = FlamePosition(flame);
        key.Flames[3 * s] = flame.Countdown + 1;
        key.Flames[3 * s + 1] = at.X;
        key.Flames[3 * s + 2] = at.Y;
    }
    return key;
}

PixelPosition FlamePosition(const world::Flame& flame) {
    const std::int64_t column = std::int64_t{flame.X} - flame.AnchorX + PlayerViewColumn;
    const std::int64_t row = std::int64_t{flame.Y} - flame.AnchorY + PlayerViewRow;
    return {column * CellPixels, row * CellPixels};
}

void DrawFlames(const world::Flames& flames, const FlamePictures& pictures) {
    for (const world::Flame& flame : flames.Slots) {
        const std::int32_t frame = flame.Countdown;
        if (frame < 0 || frame >= FlameFrameCount) continue;  // idle (or never a frame)
        const PixelPosition at = FlamePosition(flame);
        if (at.X > INT32_MAX || at.X < INT32_MIN || at.Y > INT32_MAX || at.Y < INT32_MIN) continue;
        PutImage(static_cast<std::int32_t>(at.X), static_cast<std::int32_t>(at.Y), pictures[frame],
                 PutMode::Keyed);
    }
}

void DrawPlayer(const world::Player& player, PlayView& view) {
    const PlayerSprites& sprites = view.Sprites;
    if (player.Dead) {
        PutImage(DeadNoticeX, DeadNoticeY, sprites.DeadNotice, PutMode::Keyed);
        view.RespawnGui.Draw();
        return;
    }
    PutImage(PlayerScreenX, PlayerScreenY, StandingSprite(sprites, player.StepTimer, player.Facing),
             PutMode::Keyed);
    if (player.HasPickaxe) PutImage(PickaxeIconX, 0, sprites.PickaxeIcon, PutMode::Keyed);
    if (player.HasTnt) PutImage(TntIconX, 0, sprites.TntIcon, PutMode::Keyed);
}

void DrawScorePanel(const ScorePanel& panel, std::int32_t value) {
    PutImage(panel.PanelX, panel.PanelY, panel.PanelImage, PutMode::Keyed);
    const std::array<int, PanelDigitCount> digits = PanelDigits(value);
    // 64-bit positions: a panel placed near the end of the int32 range still clips cleanly.
    const std::int64_t x = std::int64_t{panel.PanelX} + panel.DigitOffsetX;
    const std::int64_t y = std::int64_t{panel.PanelY} + panel.DigitOffsetY;
    for (int k = 0; k < PanelDigitCount; ++k) {
        const std::int64_t dx = x + std::int64_t{PanelDigitPitch} * k;
        if (dx > INT32_MAX || dx < INT32_MIN || y > INT32_MAX || y < INT32_MIN) continue;
        PutImage(static_cast<std::int32_t>(dx), static_cast<std::int32_t>(y),
                 panel.DigitImages[digits[k]], PutMode::Keyed);
    }
}

std::array<int, PanelDigitCount> PanelDigits(std::int32_t value) {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    const std::ptrdiff_t length = end - text;
    std::array<int, PanelDigitCount> digits{};
    for (int k = 0; k < PanelDigitCount; ++k) {
        const std::ptrdiff_t place = PanelDigitCount - k;  // counted from the end
        if (place > length) continue;
        const char c = text[length - place];
        digits[k] = c == '-' ? 0 : c - '0';
    }
    return digits;
}

}  // namespace view
